// A full repaint of the main window's "Şafak Hesapla" button, restored from its saved design,
// at rest, hovered and focused; beside it, the peer it is measured against: Qt's own push
// button of the same size, caption and font, painted by the Fusion style into an image.
#include "controls/button/Button.h"
#include "controls/button/ButtonPainter.h"
#include "platform/forms/Application.h"
#include "platform/forms/DesignValues.h"
#include "platform/forms/FormDesign.h"
#include "platform/gdi/Surface.h"

#include <QApplication>
#include <QCursor>
#include <QFile>
#include <QImage>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <memory>

namespace dorvak {
namespace {

enum class Look { Rest, Hovered, Focused };

ControlDesign savedCommand1() {
    QFile file(QStringLiteral(DORVAK_SOURCE_DIR "/app/forms/Form1.json"));
    file.open(QIODevice::ReadOnly);
    for (const ControlDesign& control : parseFormDesign(file.readAll()).controls)
        if (control.name == QLatin1String("Command1"))
            return control;
    return {};
}

QRect placeOf(const ControlDesign& design) {
    return QRect(10, 10, int(design.width / 15), int(design.height / 15));
}

// Shows the window and gives the control the focus or takes it away; the window hands its
// first control the focus when it is shown.
void settleFocus(QWidget& window, QWidget& control, Look look) {
    window.show();
    QApplication::processEvents();
    if (look == Look::Focused)
        control.setFocus();
    else
        control.clearFocus();
    QApplication::processEvents();
}

void report(benchmark::State& state, const QWidget& control, bool hovered, bool focused) {
    state.counters["hovered"] = hovered;
    state.counters["focused"] = focused;
    state.SetLabel(
        QStringLiteral("%1x%2").arg(control.width()).arg(control.height()).toStdString());
}

Button* placeCommand1(QWidget& window) {
    const ControlDesign design = savedCommand1();
    window.resize(300, 200);
    auto* button = new Button(ControlSite{nullptr, &window, design.name, -1});
    button->setGeometry(placeOf(design));
    button->start(PropertyBag(design.bag));
    return button;
}

void repaint(benchmark::State& state, Look look) {
    QWidget window;
    Button* button = placeCommand1(window);
    settleFocus(window, *button, look);
    if (look == Look::Hovered) {
        const QPoint inside(20, 20);
        QCursor::setPos(button->mapToGlobal(inside));
        QMouseEvent move(QEvent::MouseMove, inside, button->mapToGlobal(inside), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(button, &move);
    }
    QApplication::processEvents();
    const QString caption = button->Caption();
    for (auto _ : state)
        button->setCaption(caption); // every setter repaints the whole face
    report(state, *button, button->state().mouseOver(), button->state().HasFocus);
}

// At a device scale of 2, painted into an image of that device pixel ratio.
void fusionPushButton(benchmark::State& state, Look look, int scale = 1) {
    const ControlDesign design = savedCommand1();
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    QWidget window;
    window.resize(300, 200);
    auto* button = new QPushButton(design.bag.value(QLatin1String("caption")).toString(), &window);
    button->setStyle(fusion.get());
    button->setFont(fontFromJson(design.bag.value(QLatin1String("font"))));
    button->setGeometry(placeOf(design));
    settleFocus(window, *button, look);
    // What the window system sets when the pointer enters; Fusion then draws the hover look.
    button->setAttribute(Qt::WA_UnderMouse, look == Look::Hovered);
    // Fusion frames the focused button only when the focus came by keyboard.
    window.setAttribute(Qt::WA_KeyboardFocusChange);
    QImage image(button->size() * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    for (auto _ : state) {
        button->render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
    report(state, *button, button->underMouse(), button->hasFocus());
    state.counters["scale"] = scale;
}

// The focused face painted alone at device scale 1 or 2 (each pixel a 2 × 2 block, the caption
// from the font at twice its size): a scale in one run, whatever the screen's.
void paintFaceAt(benchmark::State& state, int scale) {
    QWidget window;
    Button* button = placeCommand1(window);
    settleFocus(window, *button, Look::Focused);
    Surface face(button->width(), button->height());
    face.setFont(button->Font());
    face.setDeviceScale(scale);
    for (auto _ : state) {
        PaintedFace painted = ButtonPainter(button->state(), face, true).paint();
        benchmark::DoNotOptimize(painted.captionRect);
    }
    report(state, *button, false, button->state().HasFocus);
    state.counters["scale"] = scale;
}

BENCHMARK_CAPTURE(repaint, rest, Look::Rest)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(repaint, hovered, Look::Hovered)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(repaint, focused, Look::Focused)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(fusionPushButton, rest, Look::Rest)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(fusionPushButton, hovered, Look::Hovered)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(fusionPushButton, focused, Look::Focused)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(paintFaceAt, 1x, 1)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(paintFaceAt, 2x, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(fusionPushButton, focused_2x, Look::Focused, 2)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace dorvak

int main(int argc, char** argv) {
    // The button needs an application object; its window is never on a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qtApplication(argc, argv);
    dorvak::Application application;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
