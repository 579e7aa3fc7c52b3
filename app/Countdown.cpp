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
#include <map>
#include <string_view>
#include <type_traits>

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

// What a box held that the calculation could not use, as the user is told it.
enum class Problem {
    UnreadableDate,
    UnreadableMonths,
    UnreadableLeave,
    LeaveTooLong,
    DischargeOutsideCalendar,
    DischargeTooFar,
};

// "gün.ay.yıl" for the locale's order and separator of the parts of a date.
std::string datePartsInOrder(const LocaleConventions& locale) {
    const std::string separator = locale.dateSeparator();
    switch (locale.dateOrder()) {
    case DateOrder::MonthDayYear:
        return "ay" + separator + "gün" + separator + "yıl";
    case DateOrder::YearMonthDay:
        return "yıl" + separator + "ay" + separator + "gün";
    default:
        return "gün" + separator + "ay" + separator + "yıl";
    }
}

std::string explanation(Problem problem, const LocaleConventions& locale) {
    switch (problem) {
    case Problem::UnreadableDate:
        return "Tarih okunamadı — " + datePartsInOrder(locale) +
               " biçiminde yazın: " + dateText(makeDate(2025, 9, 15), locale);
    case Problem::UnreadableMonths:
        return "Ay sayısı okunamadı — rakamla yazın: 15";
    case Problem::UnreadableLeave:
        return "İzin süresi okunamadı — gün sayısını rakamla yazın: 30";
    case Problem::LeaveTooLong:
        return "İzin süresi hesaplanamayacak kadar uzun — gün sayısını yazın: 30";
    case Problem::DischargeOutsideCalendar:
        return "Teskere tarihi 100–9999 yılları dışına düşüyor — Sülüs Tarihi ile Kaç Ay'ı "
               "denetleyin";
    case Problem::DischargeTooFar:
        return "Teskere tarihi bugünden çok uzak — en çok 32767 gün sayılabilir";
    }
    return {};
}

class Countdown {
public:
    Countdown(CountdownForm& form, const LocaleConventions& locale)
        : form_(form)
        , locale_(locale) {}

    void run() {
        askForStartDateWhenEmpty();
        writeDischargeDate();
        resumeNext([&] { today_ = std::trunc(dateIn(todayBox)); });
        resumeNext([&] { discharge_ = std::trunc(dateIn(dischargeBox)); });
        countDaysLeft();
        resumeNext([&] {
            const double leave = numberIn(leaveBox, Problem::UnreadableLeave);
            daysLeftWithoutLeave_ = failingAs(leaveBox, Problem::LeaveTooLong,
                                              [&] { return toInt16(daysLeft_ - leave); });
        });
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

    // Every read of a text box goes through here. The first failure of a run marks the box at
    // once (before any message box the run shows) and stands for the run; a box read without
    // failure loses the mark an earlier run gave it; a box no step read keeps what it had.
    template <typename Step>
    std::invoke_result_t<Step&> failingAs(ControlName box, Problem problem, Step&& step) {
        try {
            return step();
        } catch (const RuntimeError&) {
            if (!failedThisRun(box)) {
                understood_[box.name] = false;
                form_.markNotUnderstood(box, explanation(problem, locale_));
            }
            throw;
        }
    }

    template <typename Convert>
    std::invoke_result_t<Convert&, const std::string&> read(ControlName box, Problem problem,
                                                            Convert&& convert) {
        const auto value = failingAs(box, problem, [&] { return convert(form_.text(box)); });
        if (understood_.try_emplace(box.name, true).second)
            form_.clearNotUnderstood(box);
        return value;
    }

    double numberIn(ControlName box, Problem problem) {
        return read(box, problem, [&](const std::string& text) { return number(text); });
    }
    Date dateIn(ControlName box) {
        return read(box, Problem::UnreadableDate,
                    [&](const std::string& text) { return parseDate(text, locale_); });
    }

    bool failedThisRun(ControlName box) const {
        const auto found = understood_.find(box.name);
        return found != understood_.end() && !found->second;
    }
    bool understoodThisRun(ControlName box) const {
        const auto found = understood_.find(box.name);
        return found != understood_.end() && found->second;
    }

    // Later steps read the count back from the window, as the user sees it.
    double shownDaysLeft() const { return number(form_.caption(daysLeftLabel)); }

    void askForStartDateWhenEmpty() {
        // Only an empty text asks; a text of blanks is left to fail as a date.
        if (form_.text(startDateBox).empty())
            form_.showMessage("Lütfen Sülüs Tarihini Giriniz.");
    }

    void writeDischargeDate() {
        resumeNext([&] {
            const double months = numberIn(monthsBox, Problem::UnreadableMonths);
            const Date start = dateIn(startDateBox);
            const Date discharge = failingAs(dischargeBox, Problem::DischargeOutsideCalendar,
                                             [&] { return addMonths(start, months); });
            form_.setText(dischargeBox, dateText(discharge, locale_));
        });
    }

    void countDaysLeft() {
        resumeNext([&] {
            const auto count = [&] { return toInt16(discharge_ - today_); };
            // Only two dates that were both read can be too far apart; otherwise the box that
            // could not be read carries the mark already.
            daysLeft_ = understoodThisRun(todayBox) && understoodThisRun(dischargeBox)
                            ? failingAs(dischargeBox, Problem::DischargeTooFar, count)
                            : count();
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
            return holdsOrFails(
                [&] { return numberIn(monthsBox, Problem::UnreadableMonths) == months; });
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
        if (holdsOrFails([&] { return numberIn(leaveBox, Problem::UnreadableLeave) == 0; }))
            form_.setCaption(withoutLeaveCaption, "İzin Kullanılmış Olarak:");
    }

    CountdownForm& form_;
    const LocaleConventions& locale_;
    // For each text box read this run, whether it was understood.
    std::map<std::string_view, bool> understood_;
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
