#pragma once

#include <QMargins>
#include <QWidget>

namespace dorvak {

// On Wayland itself a window's title bar is the program's to draw: Qt 6.4 draws every one with
// minimise and maximise, and KWin gives any window without a parent a minimise button. A fixed
// tool window is held there in this frame instead: a thin border and a title bar with the
// window's caption and a close button only. The frame takes the window's title and icon as they
// change and its size from it, moves the window by a press on the bar, and passes a close, from
// its button or from the desktop, on to the window.
class ToolWindowFrame : public QWidget {
    Q_OBJECT

public:
    // Takes `client`, a window, in as the frame's only child.
    explicit ToolWindowFrame(QWidget* client);

    // Whether fixed tool windows are framed by the program. Needs the application object.
    static bool drawsToolFrames();
    // Where the client sits inside the frame.
    static QMargins margins();
    // The window the desktop shows for `widget`: its frame where it has one, else itself.
    static QWidget* windowOf(QWidget* widget);

    // The close button, in the frame's coordinates.
    QRect closeButton() const;
    // Whether the desktop is moving the window from a press on the bar: it may take the focus
    // away meanwhile.
    bool isBeingMoved() const { return beingMoved_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;

private:
    void fitClient();
    void setClosePressed(bool pressed);

    QWidget* client_;
    bool beingMoved_ = false;
    bool closeArmed_ = false;   // the button was pressed and the button is still held
    bool closePressed_ = false; // shown pressed: armed and the pointer over it
};

} // namespace dorvak
