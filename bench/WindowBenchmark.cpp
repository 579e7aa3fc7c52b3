// The main window painted whole, as after it was uncovered: its background picture, the title
// bar and frame of its skin, its four buttons, text boxes, labels and chart, into the window's
// backing store; and its clock's label alone. Offscreen by default; with QT_QPA_PLATFORM=xcb
// on an X server each repaint also reaches the server.
#include "app/ControlKinds.h"
#include "app/Form1.h"
#include "platform/forms/Application.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace dorvak {
namespace {

// The main window shown, its first paints done.
Form1& shownMainWindow(Application& application) {
    registerControlKinds(application);
    Form1* window = application.showForm<Form1>();
    QApplication::processEvents();
    return *window;
}

void MainWindowRepaint(benchmark::State& state) {
    Application application;
    Form1& window = shownMainWindow(application);
    for (auto _ : state)
        window.repaint();
}
BENCHMARK(MainWindowRepaint)->Unit(benchmark::kMicrosecond);

// The clock's label alone, as at each tick: the repaint an idle window makes once a second.
void ClockRepaint(benchmark::State& state) {
    Application application;
    Form& window = shownMainWindow(application);
    QWidget& clock = window.named<QWidget>(QStringLiteral("Label8"));
    for (auto _ : state)
        clock.repaint();
}
BENCHMARK(ClockRepaint)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace dorvak
