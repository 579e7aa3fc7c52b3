#pragma once

#include <string>
#include <string_view>

namespace dorvak {

// A control of the main window named as in its design: `Label17(1)` is {"Label17", 1}; a control
// that is not part of an array has no index.
struct ControlName {
    std::string_view name;
    int index = -1;
};

// What the countdown calculation needs of the main window. Form1 implements it over its real
// controls; tests implement it over plain fields, so the calculation runs without a window.
class CountdownForm {
public:
    virtual ~CountdownForm() = default;

    virtual std::string text(ControlName textBox) const = 0;
    virtual void setText(ControlName textBox, const std::string& text) = 0;
    virtual std::string caption(ControlName label) const = 0;
    virtual void setCaption(ControlName label, const std::string& caption) = 0;
    virtual void setVisible(ControlName shape, bool visible) = 0;

    // A modal message box with the application's title: returns when the user has closed it.
    virtual void showMessage(const std::string& text) = 0;

    // Marks a text box whose text the calculation could not use, with the explanation of what
    // it expected for the user; clearing takes the mark away.
    virtual void markNotUnderstood(ControlName textBox, const std::string& explanation) = 0;
    virtual void clearNotUnderstood(ControlName textBox) = 0;
};

} // namespace dorvak
