#pragma once

#include "platform/forms/webpage/PageChannel.h"

#include <QObject>
#include <QProcess>
#include <memory>

namespace dorvak {

// The page host, dorvak-page, as the program sees it: a helper program beside the executable
// that runs the browser engine for one WebBrowser, so that the engine never loads into the
// program and all of it, helper processes and memory, goes when the control does.
class PageHostProcess : public QObject {
    Q_OBJECT

public:
    // Starts the host, which draws its page at the given device pixel ratio; null when there is
    // none beside the program or it cannot be started.
    static std::unique_ptr<PageHostProcess> start(qreal devicePixelRatio);
    // Closes the channel, on which the host ends by itself; one that takes too long is killed.
    // Neither holds up the caller.
    ~PageHostProcess() override;

    // Sent while the host runs; after its end, dropped.
    template <typename... Fields> void send(PageMessage kind, const Fields&... fields) {
        if (!ended_)
            channel_->send(kind, fields...);
    }
    bool hasEnded() const { return ended_; }

signals:
    void received(dorvak::PageMessage kind, QDataStream& fields);
    // The host ended, or broke the connection, while the program still used it. Raised once;
    // the object stays usable until deleted.
    void ended();

private:
    PageHostProcess(std::unique_ptr<QProcess> process, qintptr socket);
    void end();

    std::unique_ptr<QProcess> process_;
    std::unique_ptr<PageChannel> channel_;
    bool ended_ = false;
};

} // namespace dorvak
