#include "platform/forms/DesignFonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>
#include <QString>
#include <algorithm>

namespace dorvak {
namespace {

constexpr const char* fontDirectory = "/usr/share/wine/fonts/";

struct DesignFace {
    const char* family;
    const char* files[2];
    // The scalable face that draws the family above 1×, for a face of bitmap strikes only,
    // and the spacing (percent) that gives it the strike's widths.
    const char* standIn;
    int standInSpacing;
};

// Tahoma, not one of Debian's Helvetica-metric faces: at the same size its capitals are as
// tall as those of the 8-point strike and its texts within 5 % of the strike's widths
// (Nimbus and Liberation Sans run 6 %, DejaVu Sans 16 % wider), it has every Turkish letter,
// and it comes with the designed faces.
constexpr DesignFace designFaces[] = {
    {"Tahoma", {"tahoma.ttf", "tahomabd.ttf"}, nullptr, 100},
    {"MS Sans Serif", {"ms_sans_serif.ttf", nullptr}, "Tahoma", 95},
};

bool drawnAbove1x() {
    const QList<QScreen*> screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(),
                       [](const QScreen* screen) { return screen->devicePixelRatio() > 1.0; });
}

const DesignFace* standingIn(const QString& family) {
    for (const DesignFace& face : designFaces) {
        if (face.standIn && family.compare(QLatin1String(face.family), Qt::CaseInsensitive) == 0 &&
            QFont::substitute(family).compare(QLatin1String(face.standIn), Qt::CaseInsensitive) ==
                0)
            return &face;
    }
    return nullptr;
}

} // namespace

void registerDesignFonts() {
    const QStringList known = QFontDatabase::families();
    const bool scaled = drawnAbove1x();
    for (const DesignFace& face : designFaces) {
        const QString family = QLatin1String(face.family);
        if (known.contains(family, Qt::CaseInsensitive))
            continue; // the desktop's own, drawn as it is
        if (scaled && face.standIn) {
            QFont::insertSubstitution(family, QLatin1String(face.standIn));
            continue;
        }
        for (const char* file : face.files) {
            if (!file)
                continue;
            const QString path = QLatin1String(fontDirectory) + QLatin1String(file);
            if (QFile::exists(path))
                QFontDatabase::addApplicationFont(path);
        }
    }
}

QFont withDesignMetrics(QFont font) {
    const DesignFace* face = standingIn(font.family());
    font.setLetterSpacing(QFont::PercentageSpacing, face ? face->standInSpacing : 100);
    return font;
}

} // namespace dorvak
