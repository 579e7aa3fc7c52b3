// A full repaint of the main window's "Şafak Hesapla" button, restored from its saved design,
// at rest, hovered and focused.
#include "controls/button/Button.h"
#include "platform/forms/Application.h"
#include "platform/forms/FormDesign.h"

#include <QApplication>
#include <QCursor>
#include <QFile>
#include <QMouseEvent>
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

void repaint(benchmark::State& state, Look look) {
    const ControlDesign design = savedCommand1();
    QWidget window;
    window.resize(300, 200);
    auto* button = new Button(ControlSite{nullptr, &window, design.name, -1});
    button->setGeometry(10, 10, int(design.width / 15), int(design.height / 15));
    button->start(PropertyBag(design.bag));
    window.show();
    QApplication::processEvents(); // the window hands its first control the focus
    if (look == Look::Focused)
        button->setFocus();
    else
        button->clearFocus();
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
    state.counters["hovered"] = button->state().mouseOver();
    state.counters["focused"] = button->state().HasFocus;
    state.SetLabel(
        QStringLiteral("%1x%2").arg(button->width()).arg(button->height()).toStdString());
}

BENCHMARK_CAPTURE(repaint, rest, Look::Rest)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(repaint, hovered, Look::Hovered)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(repaint, focused, Look::Focused)->Unit(benchmark::kMicrosecond);

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
