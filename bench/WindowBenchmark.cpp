// The main window painted whole, as after it was uncovered: its background picture, the title
// bar and frame of its skin, its four buttons, text boxes, labels and chart, into the window's
// backing store.
#include "app/ControlKinds.h"
#include "app/Form1.h"
#include "platform/forms/Application.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace dorvak {
namespace {

void MainWindowRepaint(benchmark::State& state) {
    Application application;
    registerControlKinds(application);
    Form1* window = application.showForm<Form1>();
    QApplication::processEvents();
    for (auto _ : state)
        window->repaint();
}
BENCHMARK(MainWindowRepaint)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace dorvak
