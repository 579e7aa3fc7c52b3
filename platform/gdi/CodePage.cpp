#include "platform/gdi/CodePage.h"

#include <QList>
#include <array>

namespace dorvak {

namespace {

// Windows-1254 from 0x80 up; the bytes it leaves undefined map to the C1 control of the
// same value, as the desktop's conversion does. From 0xA0 it is Latin-1 except six Turkish
// letters.
constexpr std::array<char16_t, 32> upperControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x008E, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x009E, 0x0178,
};

char16_t unicodeOf(unsigned char byte) {
    if (byte < 0x80)
        return byte;
    if (byte < 0xA0)
        return upperControls[byte - 0x80];
    switch (byte) {
    case 0xD0:
        return u'Ğ';
    case 0xDD:
        return u'İ';
    case 0xDE:
        return u'Ş';
    case 0xF0:
        return u'ğ';
    case 0xFD:
        return u'ı';
    case 0xFE:
        return u'ş';
    default:
        return byte;
    }
}

char byteOf(uint character) {
    for (int byte = 0; byte < 256; ++byte) {
        if (unicodeOf((unsigned char)byte) == character)
            return char(byte);
    }
    return '?';
}

} // namespace

std::string toSystemCodePage(const QString& text) {
    std::string bytes;
    bytes.reserve(std::size_t(text.size()));
    for (const uint character : text.toUcs4())
        bytes += character < 0x80 ? char(character) : byteOf(character);
    return bytes;
}

std::string toSystemCodePage(std::string_view utf8) {
    return toSystemCodePage(QString::fromUtf8(utf8.data(), qsizetype(utf8.size())));
}

QString fromSystemCodePage(std::string_view bytes) {
    QString text;
    text.reserve(qsizetype(bytes.size()));
    for (const char byte : bytes)
        text += QChar(unicodeOf((unsigned char)byte));
    return text;
}

} // namespace dorvak
