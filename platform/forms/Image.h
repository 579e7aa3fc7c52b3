#pragma once

#include "platform/forms/MouseEvents.h"
#include "platform/forms/Placement.h"

#include <QImage>
#include <QWidget>

namespace dorvak {

template <typename Owner> class PropertyTable;

// A picture at natural size from the top-left corner, or stretched to the control's bounds. On
// a screen above 1× it shows the program's own picture drawn at twice its size, where there is
// one (sharperPicture); the picture it holds and saves stays the one it was given.
class Image : public QWidget, public MouseEvents, public Placement {
    Q_OBJECT

public:
    // The properties a design description sets.
    static const PropertyTable<Image>& designProperties();

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
    // The picture for the device it is painted on, chosen again when the device's ratio changes.
    const QImage& shownPicture();

    QImage picture_;
    bool stretch_ = false;
    QImage shown_;
    qreal shownRatio_ = 0;
};

} // namespace dorvak
