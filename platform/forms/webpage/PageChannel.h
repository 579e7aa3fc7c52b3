#pragma once

#include <QDataStream>
#include <QLocalSocket>
#include <QObject>

namespace dorvak {

// What the program and the page host that runs its browser engine tell each other.
enum class PageMessage : quint8 {
    // To the host.
    Navigate, // QUrl
    Resize,   // QSize
    Mouse,    // QEvent::Type, QPointF position, Qt::MouseButton, Qt::MouseButtons, modifiers
    // To the program.
    Frame,         // QSize, the view's pixels as RGB32 rows
    Loaded,        // bool: a load ended, and the page is shown; or it could not be loaded
    LinkRequested, // QUrl: the page asked to go there and stayed where it is
    Cursor,        // Qt::CursorShape over the page
    Text,          // QString: the page's text, after each load that succeeded
};

// One end of the connection between the two processes: each message is its kind followed by
// its fields, in QDataStream form. Messages arrive whole and in the order they were sent.
class PageChannel : public QObject {
    Q_OBJECT

public:
    // Takes over a connected local socket.
    explicit PageChannel(qintptr socket, QObject* parent = nullptr);

    template <typename... Fields> void send(PageMessage kind, const Fields&... fields) {
        QByteArray message;
        QDataStream out(&message, QIODevice::WriteOnly);
        out << kind;
        (out << ... << fields);
        write(message);
    }

signals:
    void received(dorvak::PageMessage kind, QDataStream& fields);
    // The other process closed its end or ended.
    void closed();

private:
    void write(const QByteArray& message);
    void readMessages();

    QLocalSocket socket_;
};

} // namespace dorvak
