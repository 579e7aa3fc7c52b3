#include "tests/controls/button/ButtonTesting.h"

#include "platform/forms/FormDesign.h"

#include <QFile>
#include <QTest>

namespace dorvak {

bool ButtonHost::show() {
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

QRect inkBox(const QImage& image, OleColor color) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (plainFromPixel(image.pixel(x, y)) == color)
                box |= QRect(x, y, 1, 1);
    return box;
}

std::vector<SavedButton> savedButtons(const char* form) {
    QFile file(QStringLiteral(DORVAK_SOURCE_DIR "/app/forms/") + QLatin1String(form) +
               QStringLiteral(".json"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    std::vector<SavedButton> buttons;
    for (const ControlDesign& control : parseFormDesign(file.readAll()).controls)
        if (control.kind == QLatin1String("Button"))
            buttons.push_back({control.name, control.width, control.height, control.bag});
    return buttons;
}

} // namespace dorvak
