// Feeds arbitrary bytes to the design-description reader, then hands what it read to the
// property bag and to the colour and font conversions the windows apply, as loading a window
// does. Besides crashes, leaks and undefined behaviour it checks that a bag finds every saved
// key in any case, that a written value reads back, and that colours, fonts and pictures
// survive being saved and read again.
#include "platform/forms/DesignValues.h"
#include "platform/forms/FormDesign.h"
#include "platform/forms/PropertyBag.h"
#include "platform/runtime/RuntimeError.h"

#include <QByteArray>
#include <QImage>
#include <QJsonObject>
#include <QtGlobal>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

using namespace dorvak;

[[noreturn]] void fault(const char* what, const QString& key) {
    std::fprintf(stderr, "%s: key \"%s\"\n", what, qPrintable(key));
    std::abort();
}

void checkColor(const QString& key, const QJsonValue& value) {
    try {
        const OleColor color = colorFromJson(value);
        if (colorFromJson(colorToJson(color)) != color)
            fault("a colour changes when saved and read again", key);
    } catch (const RuntimeError& error) {
        if (error.code() != ErrorCode::TypeMismatch)
            fault("a colour that does not convert is not a type mismatch", key);
    }
}

void checkFont(const QString& key, const QJsonValue& value) {
    const QJsonValue saved = fontToJson(fontFromJson(value));
    if (fontToJson(fontFromJson(saved)) != saved)
        fault("a font changes when saved and read again", key);
}

QImage argb(const QImage& picture) {
    return picture.convertToFormat(QImage::Format_ARGB32);
}

// The program's own picture files are not linked in here, so a file name does not read.
void checkPicture(const QString& key, const QJsonValue& value) {
    try {
        const QImage picture = pictureFromJson(value);
        if (!picture.isNull() && argb(pictureFromJson(pictureToJson(picture))) != argb(picture))
            fault("a picture changes when saved and read again", key);
    } catch (const RuntimeError& error) {
        if (error.code() != ErrorCode::InvalidCall)
            fault("a picture that does not read is not an invalid call", key);
    }
}

// What the windows convert: colours, fonts and pictures by their property names.
void checkValues(const QJsonObject& properties) {
    for (auto it = properties.begin(); it != properties.end(); ++it) {
        const QString key = it.key();
        if (key.contains(QLatin1String("color"), Qt::CaseInsensitive))
            checkColor(key, it.value());
        else if (key.contains(QLatin1String("font"), Qt::CaseInsensitive))
            checkFont(key, it.value());
        else if (key.contains(QLatin1String("picture"), Qt::CaseInsensitive) ||
                 key.contains(QLatin1String("icon"), Qt::CaseInsensitive))
            checkPicture(key, it.value());
    }
}

// The key in upper case, where that leads back to it: letters such as the dotless "ı" have
// no case partner that does.
QString otherCase(const QString& key) {
    return key.toUpper().toLower() == key.toLower() ? key.toUpper() : key;
}

void checkBag(const QJsonObject& saved) {
    const PropertyBag bag(saved);
    for (auto it = saved.begin(); it != saved.end(); ++it) {
        if (!bag.contains(otherCase(it.key())) || !bag.contains(it.key().toLower()))
            fault("a saved key is not found in another case", it.key());
    }
    for (auto it = saved.begin(); it != saved.end(); ++it) {
        PropertyBag written = bag;
        written.WriteProperty(otherCase(it.key()), it.value());
        if (written.ReadProperty(it.key()) != it.value())
            fault("a written value does not read back", it.key());
        written.WriteProperty(it.key(), it.value(), it.value());
        if (written.contains(it.key()))
            fault("a value equal to its default is stored", it.key());
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Qt's warnings about odd values (a negative point size) are expected here.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FormDesign design;
    try {
        design = parseFormDesign(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    } catch (const RuntimeError& error) {
        if (error.code() != ErrorCode::InvalidCall)
            std::abort();
        return 0;
    }
    checkValues(design.properties);
    for (const ControlDesign& control : design.controls) {
        checkValues(control.properties);
        checkValues(control.bag);
        checkBag(control.bag);
    }
    return 0;
}
