// Buttons on a screen above 1× (the test runs under QT_SCALE_FACTOR): captions drawn from the
// font at the device's size, and clicks taken exactly where the shape is drawn.
#include "controls/button/ButtonPainter.h"
#include "platform/gdi/Surface.h"
#include "tests/controls/button/ButtonTesting.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPalette>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace dorvak {
namespace {

// The pixels where two pictures of the same size differ by at least `least` in a channel.
std::vector<bool> differing(const QImage& a, const QImage& b, int least = 1) {
    std::vector<bool> mask(std::size_t(a.width() * a.height()));
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const int difference =
                std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q))});
            mask[std::size_t(y * a.width() + x)] = difference >= least;
        }
    }
    return mask;
}

int inkRows(const std::vector<bool>& ink, int width) {
    int top = INT_MAX, bottom = -1;
    for (std::size_t i = 0; i < ink.size(); ++i) {
        if (ink[i]) {
            top = std::min(top, int(i) / width);
            bottom = std::max(bottom, int(i) / width);
        }
    }
    return bottom < 0 ? 0 : bottom - top + 1;
}

// Of the neighbouring pixel pairs touching ink that start at one phase of the scaling's
// period, the share that are copies; the largest over the phases and both directions. A
// picture magnified from 1× copies every pair at some phase.
double copiedPairs(const QImage& shot, const std::vector<bool>& ink, int period) {
    const auto inkAt = [&](int x, int y) { return ink[std::size_t(y * shot.width() + x)]; };
    double worst = 0;
    for (const bool across : {true, false}) {
        for (int phase = 0; phase < period; ++phase) {
            int pairs = 0, copies = 0;
            for (int y = 0; y + (across ? 0 : 1) < shot.height(); ++y) {
                for (int x = 0; x + (across ? 1 : 0) < shot.width(); ++x) {
                    const int along = across ? x : y;
                    const int nx = across ? x + 1 : x, ny = across ? y : y + 1;
                    if (along % period != phase || !(inkAt(x, y) || inkAt(nx, ny)))
                        continue;
                    ++pairs;
                    copies += shot.pixel(x, y) == shot.pixel(nx, ny);
                }
            }
            if (pairs > 0)
                worst = std::max(worst, double(copies) / pairs);
        }
    }
    return worst;
}

// The rows the caption's ink spans on a face painted at 1×.
int inkRowsAt1x(const ButtonState& shown, const QFont& font, QSize size) {
    const auto paint = [&](const QString& caption) {
        ButtonState state = shown;
        state.Caption = caption;
        Surface face(size.width(), size.height());
        face.setFont(font);
        ButtonPainter(state, face, true).paint();
        return face.image();
    };
    return inkRows(differing(paint(shown.Caption), paint(QString())), size.width());
}

TEST(ButtonAtScale, CaptionsAreDrawnFromTheFontAtTheDeviceSize) {
    int checked = 0;
    for (const SavedButton& saved : savedButtons("Form1")) {
        const QString caption = saved.bag.value(QLatin1String("caption")).toString();
        if (caption != QString::fromUtf8("Şafak Hesapla") && caption != QString::fromUtf8("Çıkış"))
            continue;
        SCOPED_TRACE(caption.toStdString());
        const QSize size(int(saved.width / twipsPerPixel), int(saved.height / twipsPerPixel));
        ButtonHost host(saved.bag, size);
        ASSERT_TRUE(host.show());
        Button& button = *host.button;
        const qreal scale = button.devicePixelRatioF();
        ASSERT_GT(scale, 1.0) << "run under QT_SCALE_FACTOR above 1";

        const QImage shot = button.grab().toImage();
        const int rows1x = inkRowsAt1x(button.state(), button.Font(), size);
        button.setCaption(QString());
        const QImage bare = button.grab().toImage();
        const std::vector<bool> ink = differing(shot, bare);

        // The ink keeps the 1× layout's height, scaled; rows that antialiasing or a reduction
        // only tints (less than a quarter of the full change) are not ink.
        EXPECT_NEAR(inkRows(differing(shot, bare, 64), shot.width()), rows1x * scale, 1.0);
        // Whole device pixels per period of the scaling: 2 at 2×, 3 at 1.5×.
        int logical = 1;
        while (std::abs(logical * scale - std::round(logical * scale)) > 1e-6)
            ++logical;
        const int period = int(std::round(logical * scale));
        EXPECT_LT(copiedPairs(shot, ink, period), 0.4);
        ++checked;
    }
    EXPECT_EQ(checked, 2);
}

// The outline of a rectangle on white, on white: each of its four one-pixel sides covers the
// same width of device pixels, the scale's, wherever it lies. Magnifying the 1× pixels at 1.5×
// gives the sides at even pixels one device pixel and those at odd ones two. The button ends
// on whole device pixels at both scales: Qt paints a widget's last partial pixel whole.
TEST(ButtonAtScale, EverySideOfAnOutlineHasOneWidth) {
    constexpr OleColor white = 0xFFFFFF;
    const QJsonObject bag{{QLatin1String("buttonstyle"), int(ButtonStyle::None)},
                          {QLatin1String("backcolor"), qint64(white)},
                          {QLatin1String("backcolorhover"), qint64(white)},
                          {QLatin1String("bordercolor"), 0},
                          {QLatin1String("bordercolorhover"), 0},
                          {QLatin1String("focusrect"), false},
                          {QLatin1String("caption"), QString()}};
    ButtonHost host(bag, QSize(60, 40));
    QPalette palette = host.window.palette();
    palette.setColor(QPalette::Window, Qt::white);
    host.window.setPalette(palette);
    host.window.setAutoFillBackground(true);
    ASSERT_TRUE(host.show());
    const qreal scale = host.window.devicePixelRatioF();
    ASSERT_GT(scale, 1.0) << "run under QT_SCALE_FACTOR above 1";
    const QImage shot = host.window.grab().toImage();
    // How much of a device pixel the black outline covers.
    const auto ink = [&](int x, int y) { return 1.0 - qGray(shot.pixel(x, y)) / 255.0; };
    const QRect box(QPointF(QPointF(host.button->pos()) * scale).toPoint(),
                    QPointF(QPointF(host.button->geometry().bottomRight()) * scale).toPoint());
    std::vector<double> widths;
    for (const bool across : {true, false}) {
        // Along the middle of each side: the ink summed across it, on every row or column.
        const int from = across ? box.top() : box.left(), to = across ? box.bottom() : box.right();
        for (const int side : {0, 1}) {
            for (int along = from + (to - from) / 4; along < to - (to - from) / 4; ++along) {
                double width = 0;
                for (int offset = -3; offset <= 3; ++offset) {
                    const int edge = across ? (side ? box.right() : box.left())
                                            : (side ? box.bottom() : box.top());
                    width += across ? ink(edge + offset, along) : ink(along, edge + offset);
                }
                widths.push_back(width);
            }
        }
    }
    const auto [thinnest, widest] = std::minmax_element(widths.begin(), widths.end());
    EXPECT_NEAR(*thinnest, scale, 0.3);
    EXPECT_NEAR(*widest, scale, 0.3);
}

// A press at a device pixel of the window, as the window system reports it: the pixel's
// corner in logical coordinates. Whether the button took it: its count of presses grew.
bool pressesAt(QWidget& window, const int& presses, QPoint devicePixel) {
    const qreal scale = window.devicePixelRatioF();
    const QPointF at = QPointF(devicePixel) / scale;
    const int before = presses;
    QMouseEvent press(QEvent::MouseButtonPress, at, at, window.mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window.windowHandle(), &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, at, window.mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window.windowHandle(), &release);
    return presses > before;
}

// The shape is what the window region lets the face paint; the window behind is green, so that
// every device pixel the face paints, wholly or in part, differs from it.
TEST(ButtonAtScale, TakesClicksWhereItsShapeIsDrawnToTheDevicePixel) {
    const ButtonShape shapes[] = {ButtonShape::Rectangle,  ButtonShape::RoundRect,
                                  ButtonShape::Ellipse,    ButtonShape::Diamond,
                                  ButtonShape::TriangleUp, ButtonShape::ArrowRight};
    constexpr QRgb behind = 0xFF00FF00;
    for (const ButtonShape shape : shapes) {
        SCOPED_TRACE(int(shape));
        ButtonHost host(QJsonObject{{QLatin1String("buttonshape"), int(shape)}}, QSize(61, 61));
        QPalette palette = host.window.palette();
        palette.setColor(QPalette::Window, QColor::fromRgb(behind));
        host.window.setPalette(palette);
        host.window.setAutoFillBackground(true);
        ASSERT_TRUE(host.show());
        Button& button = *host.button;
        const qreal scale = button.devicePixelRatioF();
        ASSERT_GT(scale, 1.0) << "run under QT_SCALE_FACTOR above 1";
        int presses = 0;
        button.MouseDown.connect([&](std::int16_t&, std::int16_t&, float&, float&) { ++presses; });

        const QImage shot = host.window.grab().toImage();
        const QRect area(
            QPointF(QPointF(button.pos()) * scale).toPoint(),
            QPointF(QPointF(button.geometry().bottomRight() + QPoint(1, 1)) * scale).toPoint() -
                QPoint(1, 1));
        int edges = 0;
        for (int y = area.top() + 1; y < area.bottom(); y += 7) {
            int first = INT_MAX, last = -1;
            for (int x = area.left() - 2; x <= area.right() + 2; ++x) {
                if (shot.pixel(x, y) != behind) {
                    first = std::min(first, x);
                    last = std::max(last, x);
                }
            }
            if (last - first < 4)
                continue;
            SCOPED_TRACE(testing::Message()
                         << "device row " << y << ", painted " << first << ".." << last);
            EXPECT_TRUE(pressesAt(host.window, presses, {first + 1, y}));
            EXPECT_TRUE(pressesAt(host.window, presses, {last - 1, y}));
            EXPECT_FALSE(pressesAt(host.window, presses, {first - 1, y}));
            EXPECT_FALSE(pressesAt(host.window, presses, {last + 1, y}));
            ++edges;
        }
        EXPECT_GT(edges, 8);
    }
}

} // namespace
} // namespace dorvak
