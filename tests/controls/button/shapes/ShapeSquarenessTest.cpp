#include "controls/button/Button.h"
#include "platform/forms/PropertyBag.h"
#include "tests/support/ApplicationFixture.h"

#include <QJsonObject>
#include <QWidget>
#include <gtest/gtest.h>

namespace dorvak {
namespace {

// The size a Button of the shape ends up with after a repaint, placed at the given size.
QSize paintedSize(int shape, QSize placed) {
    ApplicationFixture fixture;
    QWidget window;
    window.resize(300, 300);
    auto* button = new Button(ControlSite{nullptr, &window, QStringLiteral("Button1"), -1});
    button->setGeometry(QRect(QPoint(10, 10), placed));
    button->start(PropertyBag(QJsonObject{{QStringLiteral("buttonshape"), shape}}));
    button->setButtonShape(shape); // a setter repaints
    EXPECT_EQ(button->surface().image().size(), button->size()) << "the face follows the size";
    return button->size();
}

TEST(ShapeSquareness, EveryShapeButTheRectanglesIsMadeAsTallAsItIsWide) {
    for (int shape = 0; shape < 12; ++shape) {
        SCOPED_TRACE(shape);
        const bool keepsProportions = shape <= 1;
        EXPECT_EQ(paintedSize(shape, {120, 40}),
                  keepsProportions ? QSize(120, 40) : QSize(120, 120));
        EXPECT_EQ(paintedSize(shape, {40, 120}), keepsProportions ? QSize(40, 120) : QSize(40, 40))
            << "the width wins also when it is the smaller side";
    }
}

} // namespace
} // namespace dorvak
