#pragma once

#include "platform/forms/DrawingWidget.h"
#include "platform/forms/Placement.h"

namespace dorvak {

// A drawing surface that can contain other controls: a background picture, persistent line
// drawing, clear and refresh, and its own window handle.
class PictureBox : public DrawingWidget, public Placement {
    Q_OBJECT
    Q_PROPERTY(QImage Picture READ Picture WRITE setPicture)
    Q_PROPERTY(uint BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(uint ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(int BorderStyle READ BorderStyle WRITE setBorderStyle)
    Q_PROPERTY(bool AutoRedraw READ AutoRedraw WRITE setAutoRedraw)
    Q_PROPERTY(QFont Font READ Font WRITE setFont)
    Q_PROPERTY(bool Visible READ Visible WRITE setVisible)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled)

public:
    static constexpr const char* kind = "PictureBox";

    explicit PictureBox(QWidget* container);

    // 0 none, 1 a one-pixel frame.
    int BorderStyle() const { return borderStyle_; }
    void setBorderStyle(int style);
    QFont Font() const { return surface().font(); }
    void setFont(const QFont& font) { surface().setFont(font); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int borderStyle_ = 0;
};

} // namespace dorvak
