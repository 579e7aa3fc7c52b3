// The window skin of the main window, restored from its saved design: a title-bar repaint (the
// layout's), one pointer-polling tick while the pointer rests on the title bar, and the
// caption buttons drawn again for a change of look.
#include "controls/skin/xVistaForm.h"
#include "platform/forms/Application.h"
#include "platform/forms/Form.h"
#include "platform/forms/FormDesign.h"
#include "platform/forms/Label.h"
#include "platform/forms/Timer.h"

#include <QApplication>
#include <QCursor>
#include <QFile>
#include <QMouseEvent>
#include <benchmark/benchmark.h>
#include <memory>

namespace dorvak {
namespace {

FormDesign skinnedWindow() {
    QFile file(QStringLiteral(DORVAK_SOURCE_DIR "/app/forms/Form1.json"));
    file.open(QIODevice::ReadOnly);
    FormDesign design = parseFormDesign(file.readAll());
    // Its pictures are resources of the program, not of this benchmark.
    design.properties.remove(QStringLiteral("Picture"));
    design.properties.remove(QStringLiteral("Icon"));
    std::erase_if(design.controls, [](const ControlDesign& control) {
        return control.kind != QLatin1String("xVistaForm");
    });
    return design;
}

struct SkinnedWindow {
    SkinnedWindow() {
        application.setQuitOnLastFormUnloaded(false);
        application.registerControlKind(
            "xVistaForm", [](const ControlSite& site) { return new xVistaForm(site); });
        form = std::make_unique<Form>(skinnedWindow());
        skin = form->control<xVistaForm>("xVistaForm1");
        form->move(0, 0);
        form->show();
        QApplication::processEvents();
    }
    // Moves the pointer over the caption label, as the window system would report it.
    void pointAt(QPoint at) {
        Label& caption = *skin->captionLabel();
        QCursor::setPos(caption.mapToGlobal(at));
        QMouseEvent move(QEvent::MouseMove, at, caption.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(&caption, &move);
    }

    Application application;
    std::unique_ptr<Form> form;
    xVistaForm* skin = nullptr;
};

void TitleBarRepaint(benchmark::State& state) {
    SkinnedWindow window;
    for (auto _ : state)
        window.skin->setStyle(0); // clears the skip flag and paints the title bar
}
BENCHMARK(TitleBarRepaint)->Unit(benchmark::kMicrosecond);

void PollingTickHoverChange(benchmark::State& state) {
    SkinnedWindow window;
    Timer& timer = *window.skin->pointerTimer();
    bool onClose = false;
    for (auto _ : state) {
        onClose = !onClose;
        window.pointAt(onClose ? QPoint(588, 10) : QPoint(200, 10));
        timer.Tick.raise();
    }
}
BENCHMARK(PollingTickHoverChange)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace dorvak
