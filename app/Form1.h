#pragma once

#include "app/CountdownForm.h"
#include "platform/forms/Form.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/LocaleConventions.h"

namespace dorvak {

class Announcement;
class Label;

// The main window: the inputs of the countdown, its results and status chart, today's date
// and a running clock, and the buttons to calculate, print, open the About window and close.
class Form1 : public Form, private CountdownForm {
    Q_OBJECT

public:
    explicit Form1(WallClock wallClock = std::chrono::system_clock::now);

protected:
    void Form_Load() override;

private:
    void Timer1_Timer();
    void Command1_Click();
    void Command2_Click();
    void Button1_Click();
    void Button2_Click();
    void nameForScreenReaders();
    void announceResults();

    std::string text(ControlName textBox) const override;
    void setText(ControlName textBox, const std::string& text) override;
    std::string caption(ControlName label) const override;
    void setCaption(ControlName label, const std::string& caption) override;
    void setVisible(ControlName shape, bool visible) override;
    void showMessage(const std::string& text) override;
    void markNotUnderstood(ControlName textBox, const std::string& explanation) override;
    void clearNotUnderstood(ControlName textBox) override;

    template <typename T> T& named(ControlName name) const;
    void onClick(std::string_view button, void (Form1::*handler)());

    const WallClock wallClock_;
    const LocaleConventions locale_;
    Label* clock_;
    Announcement* results_;
};

} // namespace dorvak
