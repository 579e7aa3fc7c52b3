#pragma once

#include <QObject>
#include <QTimer>

#include <chrono>

class QWidget;

namespace dorvak {

// Stops the caret of a text widget blinking once the user has left it alone for a while, as
// desktops do: an idle window then has no reason to wake twice a second. The caret stays
// shown, steady; a key, a click or the focus coming back makes it blink again. Qt blinks
// every text caret at one application-wide flash time, so stopping is setting that to 0 while
// this widget has the focus; the desktop's flash time comes back as soon as it is left.
class CaretBlinkTimeout : public QObject {
    Q_OBJECT

public:
    // GNOME's default.
    static constexpr std::chrono::milliseconds defaultTimeout{10000};

    explicit CaretBlinkTimeout(QWidget& widget);
    // A caret that goes away gives the others their blink back.
    ~CaretBlinkTimeout() override { blinkAgain(); }

    void setTimeout(std::chrono::milliseconds timeout) { idle_.setInterval(timeout); }
    bool isBlinking() const { return stoppedFlashTime_ < 0; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void blinkAgain();
    void stopBlinking();

    QWidget& widget_;
    QTimer idle_;
    // The flash time this took away, to give back; negative while the caret blinks.
    int stoppedFlashTime_ = -1;
};

} // namespace dorvak
