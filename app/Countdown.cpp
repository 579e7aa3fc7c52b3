#include "app/Countdown.h"

#include "app/Provinces.h"
#include "platform/runtime/Date.h"
#include "platform/runtime/DateParsing.h"
#include "platform/runtime/IntegerConversion.h"
#include "platform/runtime/NumberParsing.h"
#include "platform/runtime/ResumeNext.h"
#include "platform/runtime/TextFormatting.h"

#include <cmath>
#include <cstdint>

namespace dorvak {

namespace {

constexpr ControlName startDateBox{"Text1"};
constexpr ControlName monthsBox{"Text2"};
constexpr ControlName dischargeBox{"Text3"};
constexpr ControlName todayBox{"Text4"};
constexpr ControlName leaveBox{"Text5"};

constexpr ControlName daysLeftLabel{"Label5"};
constexpr ControlName milestoneLabel{"Label7"};
constexpr ControlName greetingLabel{"Label9"};
constexpr ControlName withoutLeaveCaption{"Label17", 1};
constexpr ControlName daysLeftWithoutLeaveLabel{"Label18"};
constexpr ControlName provinceLabel{"Label20"};

constexpr ControlName redShape{"Shape3", 1};
constexpr ControlName greenShape{"Shape3", 0};
constexpr ControlName orangeShape{"Shape3", 2};
constexpr ControlName yellowShape{"Shape2", 0};

class Countdown {
public:
    Countdown(CountdownForm& form, const LocaleConventions& locale)
        : form_(form)
        , locale_(locale) {}

    void run() {
        askForStartDateWhenEmpty();
        writeDischargeDate();
        resumeNext([&] { today_ = dateOnly(form_.text(todayBox)); });
        resumeNext([&] { discharge_ = dateOnly(form_.text(dischargeBox)); });
        resumeNext([&] { daysLeft_ = toInt16(discharge_ - today_); });
        resumeNext(
            [&] { daysLeftWithoutLeave_ = toInt16(daysLeft_ - number(form_.text(leaveBox))); });
        form_.setCaption(daysLeftLabel, std::to_string(daysLeft_));
        form_.setCaption(daysLeftWithoutLeaveLabel, std::to_string(daysLeftWithoutLeave_));
        writeMilestone();
        writeGreeting();
        showChart();
        warnWhenLeaveIsOverdrawn();
        writeProvince();
        markLeaveUsedWhenNone();
    }

private:
    double number(const std::string& text) const { return parseNumber(text, locale_); }
    Date dateOnly(const std::string& text) const { return std::trunc(parseDate(text, locale_)); }

    // Later steps read the count back from the window, as the user sees it.
    double shownDaysLeft() const { return number(form_.caption(daysLeftLabel)); }

    void askForStartDateWhenEmpty() {
        // Only an empty text asks; a text of blanks is left to fail as a date.
        if (form_.text(startDateBox).empty())
            form_.showMessage("Lütfen Sülüs Tarihini Giriniz.");
    }

    void writeDischargeDate() {
        resumeNext([&] {
            const double months = number(form_.text(monthsBox));
            const Date start = parseDate(form_.text(startDateBox), locale_);
            form_.setText(dischargeBox, dateText(addMonths(start, months), locale_));
        });
    }

    void writeMilestone() {
        form_.setCaption(milestoneLabel, holdsOrFails([&] { return shownDaysLeft() > 85; })
                                             ? " Plakaya Az Kaldı! Biraz daha sabır."
                                             : " Oleyyy! Plakaya düşmüssün!");
        if (holdsOrFails([&] { return shownDaysLeft() > 120; }))
            form_.setCaption(milestoneLabel, " Şafak karanlık! Biraz daha sabır!");
        if (holdsOrFails([&] { return shownDaysLeft() < 5; }))
            form_.setCaption(milestoneLabel, " Şafak Doğuyor gözlerime!");
        if (holdsOrFails([&] { return shownDaysLeft() == 0 || shownDaysLeft() == 1; }))
            form_.setCaption(milestoneLabel, " Şafak Doğan güneş!");
    }

    void writeGreeting() {
        const auto monthsAre = [&](double months) {
            return holdsOrFails([&] { return number(form_.text(monthsBox)) == months; });
        };
        if (monthsAre(15))
            form_.setCaption(greetingLabel, "Hoş geldin, askerliğin uzun dönem!");
        if (monthsAre(6))
            form_.setCaption(greetingLabel, "Hoş geldin, askerliğin kısa dönem!");
        if (monthsAre(12))
            form_.setCaption(greetingLabel, "Hoş geldin, askerliğin subay olarak!");
    }

    // The shapes are stacked red, green, orange, yellow from the front, so red hides orange and
    // green hides yellow.
    void showChart() {
        form_.setVisible(orangeShape, holdsOrFails([&] { return shownDaysLeft() > 250; }));
        // Exactly 250 days belongs to the yellow half of the way; otherwise no colour shows.
        form_.setVisible(yellowShape, holdsOrFails([&] { return shownDaysLeft() <= 250; }));
        form_.setVisible(greenShape, holdsOrFails([&] { return shownDaysLeft() < 100; }));
        form_.setVisible(redShape, holdsOrFails([&] { return shownDaysLeft() > 400; }));
    }

    void warnWhenLeaveIsOverdrawn() {
        if (holdsOrFails([&] { return number(form_.caption(daysLeftWithoutLeaveLabel)) < 0; }))
            form_.showMessage("Ya izin kullanmadın, yada kullandığın izinleri silmeyi unuttun!");
    }

    void writeProvince() {
        for (const Province& province : provinces()) {
            if (holdsOrFails([&] { return shownDaysLeft() == province.code; }))
                form_.setCaption(provinceLabel, std::string(province.text));
        }
    }

    void markLeaveUsedWhenNone() {
        if (holdsOrFails([&] { return number(form_.text(leaveBox)) == 0; }))
            form_.setCaption(withoutLeaveCaption, "İzin Kullanılmış Olarak:");
    }

    CountdownForm& form_;
    const LocaleConventions& locale_;
    Date today_ = 0;
    Date discharge_ = 0;
    std::int16_t daysLeft_ = 0;
    std::int16_t daysLeftWithoutLeave_ = 0;
};

} // namespace

void runCountdown(CountdownForm& form, const LocaleConventions& locale) {
    Countdown(form, locale).run();
}

} // namespace dorvak
