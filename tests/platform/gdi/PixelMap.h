#pragma once

#include "platform/gdi/Color.h"

#include <QImage>
#include <string>
#include <string_view>

namespace dorvak {

// The image as rows of text, one character per pixel: '#' for the ink colour, '.' for
// the paper colour and '?' for anything else, rows joined by newlines. Tests write the
// expected picture out as the same kind of text.
inline std::string pixelMap(const QImage& image, OleColor ink, OleColor paper = 0xFFFFFF) {
    std::string map;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const OleColor pixel = plainFromPixel(image.pixel(x, y));
            map += pixel == ink ? '#' : pixel == paper ? '.' : '?';
        }
        map += '\n';
    }
    return map;
}

// Joins rows written one per string literal, so expected maps line up in the source.
template <typename... Rows> std::string rows(Rows... lines) {
    std::string map;
    ((map += std::string_view(lines), map += '\n'), ...);
    return map;
}

} // namespace dorvak
