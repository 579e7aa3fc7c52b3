#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace dorvak {

// The system's 8-bit code page, Windows-1254 (Turkish). Text handed to the "A" calls goes
// through it, so a character it cannot represent becomes '?', as it does on the desktop.
std::string toSystemCodePage(std::string_view utf8);
std::string toSystemCodePage(const QString& text);
QString fromSystemCodePage(std::string_view bytes);

} // namespace dorvak
