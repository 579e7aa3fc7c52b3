#include "platform/forms/DesignFonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QString>

namespace dorvak {
namespace {

constexpr const char* fontDirectory = "/usr/share/wine/fonts/";

struct DesignFace {
    const char* family;
    const char* files[2];
};

constexpr DesignFace designFaces[] = {
    {"Tahoma", {"tahoma.ttf", "tahomabd.ttf"}},
    {"MS Sans Serif", {"ms_sans_serif.ttf", nullptr}},
};

} // namespace

void registerDesignFonts() {
    const QStringList known = QFontDatabase::families();
    for (const DesignFace& face : designFaces) {
        if (known.contains(QLatin1String(face.family), Qt::CaseInsensitive))
            continue;
        for (const char* file : face.files) {
            if (!file)
                continue;
            const QString path = QLatin1String(fontDirectory) + QLatin1String(file);
            if (QFile::exists(path))
                QFontDatabase::addApplicationFont(path);
        }
    }
}

} // namespace dorvak
