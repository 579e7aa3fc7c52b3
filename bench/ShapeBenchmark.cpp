// The shape renderers on their own, and a whole Button repaint of the largest usual case: a
// focused 200 × 200 diamond, whose dotted focus outline and focus marking read the face pixel
// by pixel.
#include "controls/button/Button.h"
#include "controls/button/shapes/ShapeRenderers.h"
#include "platform/forms/Application.h"
#include "platform/gdi/Surface.h"

#include <QApplication>
#include <QJsonObject>
#include <QWidget>
#include <array>
#include <benchmark/benchmark.h>

namespace dorvak {
namespace {

using Renderer = void (*)(ShapeCanvas&);

void renderRepeatedly(benchmark::State& run, Renderer renderer, int width, int height,
                      const ShapeState& state) {
    Surface surface(width, height);
    surface.setScaleMode(ScaleMode::Pixels);
    surface.setBackColor(0xF0F0F0);
    for (auto _ : run) {
        surface.setForeColor(0x000000);
        ShapeCanvas canvas(surface, state);
        renderer(canvas);
        benchmark::DoNotOptimize(surface.image().constBits());
    }
}

ShapeState focusedStyle(int buttonStyle) {
    ShapeState state;
    state.buttonStyle = ButtonStyle(buttonStyle);
    state.buttonStyleColors = BackgroundMode::BackSolid;
    state.focused = true;
    return state;
}

void FocusedDiamond200_Renderer(benchmark::State& run) {
    renderRepeatedly(run, DrawShapeDiamond, 200, 200, focusedStyle(1));
}
BENCHMARK(FocusedDiamond200_Renderer);

// Each renderer at the program's usual button size, focused in style 1 (edges and the grey
// focus outline) and hovered in style 6 (the five glow edges).
constexpr std::array<Renderer, 12> renderers{
    DrawShapeRectangle,  DrawShapeRoundRect,    DrawShapeEllipse,       DrawShapeDiamond,
    DrawShapeTriangleUp, DrawShapeTriangleLeft, DrawShapeTriangleRight, DrawShapeTriangleDown,
    DrawShapeArrowUp,    DrawShapeArrowLeft,    DrawShapeArrowRight,    DrawShapeArrowDown,
};

void Renderer81x33_FocusedStyle1(benchmark::State& run) {
    renderRepeatedly(run, renderers[std::size_t(run.range(0))], 81, 33, focusedStyle(1));
}
BENCHMARK(Renderer81x33_FocusedStyle1)->DenseRange(0, 11)->ArgName("shape");

void Renderer81x33_HoveredStyle6(benchmark::State& run) {
    ShapeState state = focusedStyle(6);
    state.mouseOver = true;
    renderRepeatedly(run, renderers[std::size_t(run.range(0))], 81, 33, state);
}
BENCHMARK(Renderer81x33_HoveredStyle6)->DenseRange(0, 11)->ArgName("shape");

// The whole paint pipeline around the renderer: gradient, outline caption, and in style 1
// both the dotted focus diamond and the focus marking.
void FocusedDiamond200_ButtonRepaint(benchmark::State& run) {
    Application application;
    QWidget window;
    window.resize(300, 300);
    auto* button = new Button(ControlSite{nullptr, &window, QStringLiteral("Button1"), -1});
    button->setGeometry(10, 10, 200, 200);
    button->start(PropertyBag(QJsonObject{{"buttonshape", 3},
                                          {"buttonstyle", 1},
                                          {"buttonstylecolors", 2},
                                          {"captioneffect", 3},
                                          {"caption", QStringLiteral("Şafak Hesapla")}}));
    window.show();
    button->setFocus();
    for (int i = 0; i < 100 && !button->state().HasFocus; ++i)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    if (!button->state().HasFocus) {
        run.SkipWithError("the button did not take the focus");
        return;
    }
    for (auto _ : run)
        button->setButtonShape(3); // a setter repaints the whole face
}
BENCHMARK(FocusedDiamond200_ButtonRepaint)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace dorvak
