#pragma once

#include "platform/forms/Form.h"
#include "platform/runtime/LocaleConventions.h"

namespace dorvak {

// The start-up window: the advertisement page, a banner and a blinking picture for 35 seconds,
// counted in Label1, with a notice that changes after one and after eight seconds. It keeps
// itself above the other windows and at the count of 35 gives way to the main window.
class Form3 : public Form {
    Q_OBJECT

public:
    Form3();

    // The page shipped beside the program, so that it shows offline.
    static QString advertisementAddress();

protected:
    void Form_Load() override;
    void Form_Activate() override;

private:
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Timer4_Timer();

    // The count is kept as the caption's text and read back at every tick.
    QString nextCount(const QString& count) const;

    const LocaleConventions locale_;
};

} // namespace dorvak
