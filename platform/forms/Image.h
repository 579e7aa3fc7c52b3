#pragma once

#include "platform/forms/MouseEvents.h"
#include "platform/forms/Placement.h"

#include <QImage>
#include <QWidget>

namespace dorvak {

// A picture at natural size from the top-left corner, or stretched to the control's bounds.
class Image : public QWidget, public MouseEvents, public Placement {
    Q_OBJECT
    Q_PROPERTY(QImage Picture READ Picture WRITE setPicture)
    Q_PROPERTY(bool Stretch READ Stretch WRITE setStretch)
    Q_PROPERTY(bool Visible READ Visible WRITE setVisible)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled)

public:
    static constexpr const char* kind = "Image";

    explicit Image(QWidget* container);

    QImage Picture() const { return picture_; }
    void setPicture(const QImage& picture);
    bool Stretch() const { return stretch_; }
    void setStretch(bool stretch);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
    bool stretch_ = false;
};

} // namespace dorvak
