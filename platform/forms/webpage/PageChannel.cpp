#include "platform/forms/webpage/PageChannel.h"

namespace dorvak {

PageChannel::PageChannel(qintptr socket, QObject* parent)
    : QObject(parent) {
    connect(&socket_, &QLocalSocket::readyRead, this, &PageChannel::readMessages);
    connect(&socket_, &QLocalSocket::disconnected, this, &PageChannel::closed);
    socket_.setSocketDescriptor(socket);
}

void PageChannel::write(const QByteArray& message) {
    QDataStream out(&socket_);
    out << message;
}

void PageChannel::readMessages() {
    QDataStream in(&socket_);
    for (;;) {
        // A frame is larger than one read: wait for the rest.
        in.startTransaction();
        QByteArray message;
        in >> message;
        if (!in.commitTransaction())
            return;
        QDataStream fields(message);
        PageMessage kind;
        fields >> kind;
        emit received(kind, fields);
    }
}

} // namespace dorvak
