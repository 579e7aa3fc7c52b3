#pragma once

#include <array>
#include <string>
#include <string_view>

namespace dorvak {

inline bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

inline std::string_view withoutSurroundingBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Right-to-left locales wrap signs and date fields in invisible direction marks (U+200E,
// U+200F, U+061C); a text copied from such a locale should still read.
inline std::string withoutDirectionMarks(std::string_view text) {
    constexpr std::array<std::string_view, 3> marks = {"\u200E", "\u200F", "\u061C"};
    std::string result;
    result.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        std::size_t skip = 0;
        for (const std::string_view mark : marks)
            if (text.substr(at).starts_with(mark))
                skip = mark.size();
        if (skip == 0)
            result += text[at++];
        at += skip;
    }
    return result;
}

} // namespace dorvak
