#pragma once

#include "controls/button/Button.h"
#include "tests/support/ApplicationFixture.h"
#include "tests/support/PixelMaps.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QWidget>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace dorvak {

// One Button on a plain host window, placed anew or restored from a saved bag, with the
// names of the properties it reported changed.
class ButtonHost {
public:
    // Size in pixels; the button sits at (10, 10) of a 300 × 200 window.
    explicit ButtonHost(const QJsonObject& bag = {}, QSize size = {81, 33}) {
        window.resize(300, 200);
        button = new Button(ControlSite{nullptr, &window, QStringLiteral("Button1"), -1});
        QObject::connect(button, &UserControl::propertyChanged,
                         [this](const QString& name) { changes.push_back(name.toStdString()); });
        button->setGeometry(QRect(QPoint(10, 10), size));
        button->start(PropertyBag(bag));
    }

    // Shows the window and waits until it can take focus and input.
    bool show();

    const QImage& face() const { return button->surface().image(); }
    OleColor pixel(int x, int y) const { return plainFromPixel(face().pixel(x, y)); }

    ApplicationFixture fixture;
    QWidget window;
    Button* button = nullptr;
    std::vector<std::string> changes;
};

// The smallest box holding every pixel of the colour; null when there is none.
QRect inkBox(const QImage& image, OleColor color);

// Form1's saved design: each Button's name with its size (twips) and saved bag.
struct SavedButton {
    QString name;
    double width;
    double height;
    QJsonObject bag;
};
std::vector<SavedButton> savedButtons(const char* form);

} // namespace dorvak

// Saved bags read as JSON in test failures.
inline void PrintTo(const QJsonObject& object, std::ostream* out) {
    *out << QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString();
}
