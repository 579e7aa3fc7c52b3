#pragma once

#include "platform/forms/webpage/ConfinedPage.h"
#include "platform/forms/webpage/PageChannel.h"

#include <QWebEngineProfile>
#include <QWebEngineView>

namespace dorvak {

// The host's side of one WebBrowser: a confined page in a view drawn off the screen. The
// program sends it addresses, its size and the pointer; it sends back every new frame, the end
// of each load and the page's text, the pointer's shape and the links the page asks for. It ends
// when the program closes the channel.
class PageHost : public QObject {
    Q_OBJECT

public:
    explicit PageHost(qintptr channel);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void received(PageMessage kind, QDataStream& fields);
    void deliverMouse(QDataStream& fields);
    void reportLoading(const QWebEngineLoadingInfo& loading);
    void sendFrame();

    PageChannel channel_;
    QWebEngineProfile profile_; // off the record: nothing of the page stays on the disk
    ConfinedPage page_{&profile_};
    QWebEngineView view_;
    bool frameDue_ = false;
    bool grabbing_ = false;
};

} // namespace dorvak
