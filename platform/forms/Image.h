#pragma once

#include "platform/forms/MouseEvents.h"
#include "platform/forms/Placement.h"

#include <QImage>
#include <QWidget>

namespace dorvak {

template <typename Owner> class PropertyTable;

// A picture at natural size from the top-left corner, or stretched to the control's bounds.
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
    QImage picture_;
    bool stretch_ = false;
};

} // namespace dorvak
