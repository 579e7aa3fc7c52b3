#include "platform/forms/CaretBlinkTimeout.h"

#include <QEvent>
#include <QGuiApplication>
#include <QStyleHints>
#include <QWidget>

namespace dorvak {

CaretBlinkTimeout::CaretBlinkTimeout(QWidget& widget)
    : QObject(&widget)
    , widget_(widget) {
    idle_.setSingleShot(true);
    idle_.setInterval(defaultTimeout);
    connect(&idle_, &QTimer::timeout, this, &CaretBlinkTimeout::stopBlinking);
    widget.installEventFilter(this);
}

bool CaretBlinkTimeout::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::InputMethod:
        blinkAgain();
        idle_.start();
        break;
    case QEvent::FocusOut:
        // Other text boxes blink at the desktop's pace.
        blinkAgain();
        idle_.stop();
        break;
    default:
        break;
    }
    return false;
}

void CaretBlinkTimeout::blinkAgain() {
    if (isBlinking())
        return;
    QGuiApplication::styleHints()->setCursorFlashTime(stoppedFlashTime_);
    stoppedFlashTime_ = -1;
}

void CaretBlinkTimeout::stopBlinking() {
    if (!isBlinking() || !widget_.hasFocus())
        return;
    // Qt shows the caret, steady, when the flash time becomes 0.
    QStyleHints* hints = QGuiApplication::styleHints();
    stoppedFlashTime_ = hints->cursorFlashTime();
    hints->setCursorFlashTime(0);
}

} // namespace dorvak
