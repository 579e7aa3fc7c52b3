#include "platform/windowing/ToolWindowFrame.h"

#include "platform/windowing/WindowSystem.h"

#include <QCloseEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

namespace dorvak {

namespace {

constexpr int border = 1;
constexpr int titleBarHeight = 20;
constexpr QSize closeButtonSize{16, 14};
constexpr int closeButtonMargin = 3; // from the bar's right and top
constexpr int captionIndent = 4;

// The classic tool-window look: its caption gradients, button face and edges.
const QColor borderColor{0x40, 0x40, 0x40};
const QColor activeFrom{0x0a, 0x24, 0x6a};
const QColor activeTo{0xa6, 0xca, 0xf0};
const QColor inactiveFrom{0x80, 0x80, 0x80};
const QColor inactiveTo{0xc0, 0xc0, 0xc0};
const QColor buttonFace{0xd4, 0xd0, 0xc8};
const QColor buttonShadow{0x80, 0x80, 0x80};

// A raised (or, pressed, sunken) button edge: light and dark, outer and inner.
void drawButtonEdge(QPainter& painter, QRect button, bool sunken) {
    const QColor topLeftOuter = sunken ? borderColor : Qt::white;
    const QColor bottomRightOuter = sunken ? Qt::white : borderColor;
    const QColor bottomRightInner = sunken ? buttonFace : buttonShadow;
    painter.fillRect(button, buttonFace);
    painter.fillRect(button.left(), button.top(), button.width(), 1, topLeftOuter);
    painter.fillRect(button.left(), button.top(), 1, button.height(), topLeftOuter);
    painter.fillRect(button.left(), button.bottom(), button.width(), 1, bottomRightOuter);
    painter.fillRect(button.right(), button.top(), 1, button.height(), bottomRightOuter);
    painter.fillRect(button.left() + 1, button.bottom() - 1, button.width() - 2, 1,
                     bottomRightInner);
    painter.fillRect(button.right() - 1, button.top() + 1, 1, button.height() - 2,
                     bottomRightInner);
}

// The cross, two pixels thick, 8 wide and 7 high.
void drawCloseGlyph(QPainter& painter, QPoint topLeft) {
    painter.setPen(QPen(Qt::black, 1));
    for (int thickness = 0; thickness < 2; ++thickness) {
        const QPoint at = topLeft + QPoint(thickness, 0);
        painter.drawLine(at, at + QPoint(6, 6));
        painter.drawLine(at + QPoint(6, 0), at + QPoint(0, 6));
    }
}

} // namespace

ToolWindowFrame::ToolWindowFrame(QWidget* client)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint)
    , client_(client) {
    setWindowTitle(client->windowTitle());
    setWindowIcon(client->windowIcon());
    client->setParent(this);
    client->move(margins().left(), margins().top());
    client->installEventFilter(this);
    fitClient();
    // The window ends with its client.
    connect(client, &QObject::destroyed, this, &QObject::deleteLater);
}

bool ToolWindowFrame::drawsToolFrames() {
    return onWaylandItself();
}

QMargins ToolWindowFrame::margins() {
    return {border, border + titleBarHeight, border, border};
}

QWidget* ToolWindowFrame::windowOf(QWidget* widget) {
    if (auto* frame = qobject_cast<ToolWindowFrame*>(widget->parentWidget()))
        return frame;
    return widget;
}

QRect ToolWindowFrame::closeButton() const {
    return {width() - border - closeButtonMargin - closeButtonSize.width(),
            border + (titleBarHeight - closeButtonSize.height()) / 2, closeButtonSize.width(),
            closeButtonSize.height()};
}

void ToolWindowFrame::fitClient() {
    setFixedSize(client_->size().grownBy(margins()));
}

bool ToolWindowFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched != client_)
        return false;
    switch (event->type()) {
    case QEvent::WindowTitleChange:
        setWindowTitle(client_->windowTitle());
        update();
        break;
    case QEvent::WindowIconChange:
        // The frame's icon passes down to the client too.
        if (client_->windowIcon().cacheKey() != windowIcon().cacheKey())
            setWindowIcon(client_->windowIcon());
        break;
    case QEvent::Resize:
        fitClient();
        break;
    // The client shows and hides itself as a window would: the frame goes with it, at its
    // size (a hidden widget is told of its resizing only once shown).
    case QEvent::ShowToParent:
        fitClient();
        show();
        break;
    case QEvent::HideToParent:
        hide();
        break;
    default:
        break;
    }
    return false;
}

void ToolWindowFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), borderColor);
    const QRect bar(border, border, width() - 2 * border, titleBarHeight);
    const bool active = isActiveWindow();
    QLinearGradient caption(bar.topLeft(), bar.topRight());
    caption.setColorAt(0, active ? activeFrom : inactiveFrom);
    caption.setColorAt(1, active ? activeTo : inactiveTo);
    painter.fillRect(bar, caption);

    const QRect button = closeButton();
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(active ? Qt::white : buttonFace);
    const QRect text = bar.adjusted(captionIndent, 0, -(bar.right() - button.left() + 2), 0);
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
                     painter.fontMetrics().elidedText(windowTitle(), Qt::ElideRight, text.width()));

    drawButtonEdge(painter, button, closePressed_);
    const QPoint glyph =
        button.topLeft() + QPoint(4, 3) + (closePressed_ ? QPoint(1, 1) : QPoint());
    drawCloseGlyph(painter, glyph);
}

void ToolWindowFrame::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint at = event->position().toPoint();
    if (closeButton().contains(at)) {
        closeArmed_ = true;
        setClosePressed(true);
    } else if (at.y() < margins().top() && windowHandle()) {
        // Wayland gives a move no start point: it is asked for at the press.
        beingMoved_ = windowHandle()->startSystemMove();
    }
}

void ToolWindowFrame::mouseMoveEvent(QMouseEvent* event) {
    if (closeArmed_)
        setClosePressed(closeButton().contains(event->position().toPoint()));
}

void ToolWindowFrame::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !closeArmed_)
        return;
    closeArmed_ = false;
    const bool onButton = closePressed_;
    setClosePressed(false);
    if (onButton)
        close();
}

void ToolWindowFrame::closeEvent(QCloseEvent* event) {
    // The client decides: a window that unloads hides itself, and the frame with it.
    event->ignore();
    client_->close();
}

void ToolWindowFrame::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange) {
        if (isActiveWindow())
            beingMoved_ = false;
        update();
    }
    QWidget::changeEvent(event);
}

// The desktop's move ends with the pointer back over the window.
void ToolWindowFrame::enterEvent(QEnterEvent* event) {
    beingMoved_ = false;
    QWidget::enterEvent(event);
}

void ToolWindowFrame::setClosePressed(bool pressed) {
    if (closePressed_ == pressed)
        return;
    closePressed_ = pressed;
    update(closeButton());
}

} // namespace dorvak
