#pragma once

#include "platform/gdi/Color.h"

#include <QImage>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace dorvak {

// A colour and the letter that stands for it in a map.
using MapLegend = std::vector<std::pair<char, OleColor>>;

// The image (or a part of it) as rows of text, one letter per pixel by the legend (plain
// colours), '?' for a colour it does not name; rows end with a newline.
inline std::string colorMap(const QImage& image, const MapLegend& legend, QRect area = {}) {
    if (area.isNull())
        area = image.rect();
    std::string map;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const OleColor pixel = plainFromPixel(image.pixel(x, y));
            char letter = '?';
            for (const auto& [name, color] : legend)
                if (color == pixel) {
                    letter = name;
                    break;
                }
            map += letter;
        }
        map += '\n';
    }
    return map;
}

// The image as rows of text: '#' for the ink colour, '.' for the paper colour and '?' for
// anything else.
inline std::string pixelMap(const QImage& image, OleColor ink, OleColor paper = 0xFFFFFF) {
    return colorMap(image, {{'#', ink}, {'.', paper}});
}

// Joins rows written one per string literal, so expected maps line up in the source.
template <typename... Rows> std::string rows(Rows... lines) {
    std::string map;
    ((map += std::string_view(lines), map += '\n'), ...);
    return map;
}

} // namespace dorvak
