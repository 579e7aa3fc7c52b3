#pragma once

#include <QString>

namespace dorvak {

// Object name of the dialog MessageBox opens, so that code driving the program (and its tests)
// can find the open box.
inline constexpr const char* messageBoxObjectName = "dorvakMessageBox";

// A modal message box with an OK button and no icon; returns when the user has closed it.
// Input to the other windows waits, but their timers keep ticking while it is open.
// Without a title, the application's title is used.
void MessageBox(const QString& text, const QString& title = {});

} // namespace dorvak
