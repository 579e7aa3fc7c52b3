#pragma once

#include <span>
#include <string_view>

namespace dorvak {

// A province and its licence-plate code; `text` is what the main window shows ("34 İSTANBUL").
struct Province {
    int code;
    std::string_view text;
};

// The provinces in ascending order of their codes. Code 55 has no entry.
std::span<const Province> provinces();

} // namespace dorvak
