// The countdown against a main window made of plain fields, so every outcome of the calculation
// can be checked without showing a window.
#include "app/Countdown.h"
#include "app/Provinces.h"
#include "platform/runtime/Date.h"
#include "platform/runtime/LocaleConventions.h"
#include "platform/runtime/TextFormatting.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace dorvak {
namespace {

class FakeMainWindow : public CountdownForm {
public:
    // Designer values of the main window after loading.
    std::map<std::string, std::string> texts{
        {"Text1", ""}, {"Text2", "15"}, {"Text3", ""}, {"Text4", "01.01.2025"}, {"Text5", "30"}};
    std::map<std::string, std::string> captions{
        {"Label5", ""},  {"Label7", " "}, {"Label9", ""}, {"Label17(1)", "İzin Kullanmadıysan:"},
        {"Label18", ""}, {"Label20", ""}};
    std::map<std::string, bool> shown{
        {"Shape3(0)", false}, {"Shape3(1)", false}, {"Shape3(2)", false}, {"Shape2(0)", false}};

    struct Message {
        std::string text;
        std::string provinceWhenShown;
        std::string withoutLeaveCaptionWhenShown;
        std::map<std::string, std::string> marksWhenShown;
    };
    std::vector<Message> messages;
    // The explanation of each text box marked as not understood.
    std::map<std::string, std::string> marks;

    std::string text(ControlName textBox) const override { return texts.at(key(textBox)); }
    void setText(ControlName textBox, const std::string& text) override {
        texts.at(key(textBox)) = text;
    }
    std::string caption(ControlName label) const override { return captions.at(key(label)); }
    void setCaption(ControlName label, const std::string& caption) override {
        captions.at(key(label)) = caption;
    }
    void setVisible(ControlName shape, bool visible) override { shown.at(key(shape)) = visible; }
    void showMessage(const std::string& text) override {
        messages.push_back({text, captions.at("Label20"), captions.at("Label17(1)"), marks});
    }
    void markNotUnderstood(ControlName textBox, const std::string& explanation) override {
        marks[key(textBox)] = explanation;
    }
    void clearNotUnderstood(ControlName textBox) override { marks.erase(key(textBox)); }

    // The colour the user sees where the four chart shapes are stacked, front to back.
    std::string chartColour() const {
        for (auto [shape, colour] : {std::pair{"Shape3(1)", "red"},
                                     {"Shape3(0)", "green"},
                                     {"Shape3(2)", "orange"},
                                     {"Shape2(0)", "yellow"}}) {
            if (shown.at(shape))
                return colour;
        }
        return "none";
    }

    std::vector<std::string> messageTexts() const {
        std::vector<std::string> result;
        for (const Message& message : messages)
            result.push_back(message.text);
        return result;
    }

private:
    static std::string key(ControlName control) {
        std::string result(control.name);
        if (control.index >= 0)
            result += "(" + std::to_string(control.index) + ")";
        return result;
    }
};

const LocaleConventions turkish = LocaleConventions::turkish();
const std::string askForStartDate = "Lütfen Sülüs Tarihini Giriniz.";
const std::string leaveOverdrawn =
    "Ya izin kullanmadın, yada kullandığın izinleri silmeyi unuttun!";

// Puts a start date `days` after today (01.01.2025) with no months of service, so that the
// discharge date is exactly that many days away.
void enterDaysLeft(FakeMainWindow& window, int days) {
    window.texts["Text2"] = "0";
    window.texts["Text1"] = dateText(makeDate(2025, 1, 1) + days, turkish);
}

FakeMainWindow calculatedWithDaysLeft(int days) {
    FakeMainWindow window;
    enterDaysLeft(window, days);
    runCountdown(window, turkish);
    return window;
}

TEST(Countdown, AddsCalendarMonthsClampedToTheMonthsEnd) {
    const struct {
        const char* start;
        const char* months;
        const char* discharge;
    } cases[] = {
        {"31.01.2025", "1", "28.02.2025"},   {"31.01.2025", "15", "30.04.2026"},
        {"29.02.2024", "12", "28.02.2025"},  {"30.11.2023", "3", "29.02.2024"},
        {"31.03.2025", "-1", "28.02.2025"},  {"31.01.2025", "2,5", "31.03.2025"},
        {"15.06.2025", "1,5", "15.08.2025"},
    };
    for (const auto& c : cases) {
        FakeMainWindow window;
        window.texts["Text1"] = c.start;
        window.texts["Text2"] = c.months;
        runCountdown(window, turkish);
        EXPECT_EQ(window.texts["Text3"], c.discharge) << c.start << " + " << c.months;
    }
}

TEST(Countdown, CountsWholeDaysAcrossMonthEndsAndLeapDays) {
    FakeMainWindow window;
    window.texts["Text4"] = "28.02.2024";
    window.texts["Text1"] = "01.03.2024";
    window.texts["Text2"] = "0";
    runCountdown(window, turkish);
    EXPECT_EQ(window.captions["Label5"], "2");
    EXPECT_EQ(window.captions["Label18"], "-28");

    // A time typed with the start date is carried into the discharge date, but both today and
    // the discharge count as whole days.
    window.texts["Text4"] = "01.01.2025 20:00";
    window.texts["Text1"] = "11.01.2025 06:00";
    runCountdown(window, turkish);
    EXPECT_EQ(window.texts["Text3"], "11.01.2025 06:00:00");
    EXPECT_EQ(window.captions["Label5"], "10");
}

TEST(Countdown, ChartColourFollowsTheDaysLeft) {
    const struct {
        int days;
        const char* colour;
    } cases[] = {
        {2000, "red"},   {401, "red"},    {400, "orange"}, {251, "orange"}, {250, "yellow"},
        {249, "yellow"}, {100, "yellow"}, {99, "green"},   {0, "green"},    {-40, "green"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(calculatedWithDaysLeft(c.days).chartColour(), c.colour) << c.days << " days";

    // Every count shows exactly one colour on top; at 250 only yellow is up.
    const FakeMainWindow atBoundary = calculatedWithDaysLeft(250);
    EXPECT_FALSE(atBoundary.shown.at("Shape3(2)"));
    EXPECT_TRUE(atBoundary.shown.at("Shape2(0)"));

    // Shapes shown by an earlier run are hidden again when the count drops.
    FakeMainWindow window = calculatedWithDaysLeft(500);
    enterDaysLeft(window, 50);
    runCountdown(window, turkish);
    EXPECT_FALSE(window.shown.at("Shape3(1)"));
    EXPECT_FALSE(window.shown.at("Shape3(2)"));
    EXPECT_EQ(window.chartColour(), "green");
}

TEST(Countdown, MilestoneMessageFollowsTheDaysLeft) {
    const struct {
        int days;
        const char* message;
    } cases[] = {
        {500, " Şafak karanlık! Biraz daha sabır!"},
        {121, " Şafak karanlık! Biraz daha sabır!"},
        {120, " Plakaya Az Kaldı! Biraz daha sabır."},
        {86, " Plakaya Az Kaldı! Biraz daha sabır."},
        {85, " Oleyyy! Plakaya düşmüssün!"},
        {5, " Oleyyy! Plakaya düşmüssün!"},
        {4, " Şafak Doğuyor gözlerime!"},
        {2, " Şafak Doğuyor gözlerime!"},
        {1, " Şafak Doğan güneş!"},
        {0, " Şafak Doğan güneş!"},
        {-1, " Şafak Doğuyor gözlerime!"},
        {-3, " Şafak Doğuyor gözlerime!"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(calculatedWithDaysLeft(c.days).captions["Label7"], c.message) << c.days;
}

TEST(Countdown, ProvinceOfTheDayMatchesThePlateCode) {
    const struct {
        int days;
        const char* province;
    } cases[] = {
        {1, "01 ADANA"},  {34, "34 İSTANBUL"},  {54, "54 SAKARYA"},
        {56, "56 SİİRT"}, {63, "63 ŞANLIURFA"}, {81, "81 DÜZCE"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(calculatedWithDaysLeft(c.days).captions["Label20"], c.province) << c.days;

    // Counts without a province leave the previous one standing.
    FakeMainWindow window = calculatedWithDaysLeft(34);
    for (int days : {55, 82, 0, -5, 400}) {
        enterDaysLeft(window, days);
        runCountdown(window, turkish);
        EXPECT_EQ(window.captions["Label20"], "34 İSTANBUL") << days;
    }
}

TEST(Provinces, EveryPlateCodeFromOneToEightyOneExceptFiftyFiveInOrder) {
    const auto list = provinces();
    ASSERT_EQ(list.size(), 80u);
    int expectedCode = 1;
    for (const Province& province : list) {
        if (expectedCode == 55)
            ++expectedCode;
        EXPECT_EQ(province.code, expectedCode);
        std::string prefix = expectedCode < 10 ? "0" : "";
        prefix += std::to_string(expectedCode) + " ";
        EXPECT_EQ(province.text.substr(0, 3), prefix) << province.text;
        EXPECT_GT(province.text.size(), 4u);
        ++expectedCode;
    }
}

TEST(Countdown, LeaveWarningComesOnlyForANegativeCountAndBeforeTheLastSteps) {
    FakeMainWindow exact = calculatedWithDaysLeft(30);
    EXPECT_EQ(exact.captions["Label18"], "0");
    EXPECT_TRUE(exact.messages.empty());

    FakeMainWindow overdrawn = calculatedWithDaysLeft(29);
    EXPECT_EQ(overdrawn.captions["Label18"], "-1");
    ASSERT_EQ(overdrawn.messageTexts(), std::vector{leaveOverdrawn});
    // The warning is modal: the province and the leave caption are written after it closes.
    FakeMainWindow window;
    window.texts["Text5"] = "100";
    enterDaysLeft(window, 34);
    runCountdown(window, turkish);
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].provinceWhenShown, "");
    EXPECT_EQ(window.captions["Label20"], "34 İSTANBUL");
}

TEST(Countdown, LeaveLengthIsSubtractedWithHalvesToEven) {
    FakeMainWindow window = calculatedWithDaysLeft(100);
    EXPECT_EQ(window.captions["Label5"], "100");
    EXPECT_EQ(window.captions["Label18"], "70");

    window.texts["Text5"] = "2,5";
    runCountdown(window, turkish);
    EXPECT_EQ(window.captions["Label18"], "98"); // 97.5

    enterDaysLeft(window, 101);
    runCountdown(window, turkish);
    EXPECT_EQ(window.captions["Label18"], "98"); // 98.5
    EXPECT_EQ(window.captions["Label17(1)"], "İzin Kullanmadıysan:");
}

TEST(Countdown, NoLeaveMarksTheLeaveAsUsedForTheRestOfTheRun) {
    FakeMainWindow window;
    window.texts["Text5"] = "0";
    enterDaysLeft(window, 200);
    runCountdown(window, turkish);
    EXPECT_EQ(window.captions["Label18"], window.captions["Label5"]);
    EXPECT_EQ(window.captions["Label17(1)"], "İzin Kullanılmış Olarak:");

    // A leave entered afterwards does not bring the designer caption back.
    window.texts["Text5"] = "30";
    runCountdown(window, turkish);
    EXPECT_EQ(window.captions["Label18"], "170");
    EXPECT_EQ(window.captions["Label17(1)"], "İzin Kullanılmış Olarak:");

    // The caption changes only once the leave warning has been closed.
    FakeMainWindow overdrawn;
    overdrawn.texts["Text5"] = "0";
    enterDaysLeft(overdrawn, -10);
    runCountdown(overdrawn, turkish);
    ASSERT_EQ(overdrawn.messages.size(), 1u);
    EXPECT_EQ(overdrawn.messages[0].withoutLeaveCaptionWhenShown, "İzin Kullanmadıysan:");
    EXPECT_EQ(overdrawn.captions["Label17(1)"], "İzin Kullanılmış Olarak:");
}

TEST(Countdown, EmptyStartDateAsksForItAndCarriesOn) {
    FakeMainWindow window;
    runCountdown(window, turkish);
    EXPECT_EQ(window.messageTexts(), (std::vector{askForStartDate, leaveOverdrawn}));
    EXPECT_EQ(window.texts["Text3"], "");
    EXPECT_EQ(window.captions["Label5"], "0"); // no discharge date: the day count overflows
    EXPECT_EQ(window.captions["Label18"], "-30");
    EXPECT_EQ(window.captions["Label7"], " Şafak Doğan güneş!");
    EXPECT_EQ(window.captions["Label9"], "Hoş geldin, askerliğin uzun dönem!");
    EXPECT_EQ(window.chartColour(), "green");
    EXPECT_EQ(window.captions["Label20"], "");

    // A start date of blanks is not empty: no question, but it is no date either.
    FakeMainWindow blank;
    blank.texts["Text1"] = "   ";
    runCountdown(blank, turkish);
    EXPECT_EQ(blank.messageTexts(), std::vector{leaveOverdrawn});
    EXPECT_EQ(blank.texts["Text3"], "");
    EXPECT_EQ(blank.captions["Label5"], "0");
}

TEST(Countdown, UnreadableInputKeepsTheLastDischargeDate) {
    FakeMainWindow window;
    window.texts["Text1"] = "01.01.2025";
    window.texts["Text2"] = "6";
    runCountdown(window, turkish);
    ASSERT_EQ(window.texts["Text3"], "01.07.2025");
    EXPECT_EQ(window.captions["Label5"], "181");
    EXPECT_EQ(window.captions["Label9"], "Hoş geldin, askerliğin kısa dönem!");

    // Emptied start date: asked for, then everything follows from the standing discharge date.
    window.texts["Text1"] = "";
    window.texts["Text4"] = "02.01.2025";
    runCountdown(window, turkish);
    EXPECT_EQ(window.messageTexts().front(), askForStartDate);
    EXPECT_EQ(window.texts["Text3"], "01.07.2025");
    EXPECT_EQ(window.captions["Label5"], "180");

    // Months that are no number: the date stands, and every greeting test counts as holding.
    window.messages.clear();
    window.texts["Text1"] = "01.01.2025";
    window.texts["Text2"] = "on beş";
    runCountdown(window, turkish);
    EXPECT_EQ(window.texts["Text3"], "01.07.2025");
    EXPECT_EQ(window.captions["Label9"], "Hoş geldin, askerliğin subay olarak!");

    // Neither 6, 12 nor 15 months: the greeting stays.
    window.texts["Text2"] = "18";
    runCountdown(window, turkish);
    EXPECT_EQ(window.texts["Text3"], "01.07.2026");
    EXPECT_EQ(window.captions["Label9"], "Hoş geldin, askerliğin subay olarak!");
    window.texts["Text2"] = "15";
    runCountdown(window, turkish);
    EXPECT_EQ(window.captions["Label9"], "Hoş geldin, askerliğin uzun dönem!");

    // A discharge beyond the year 9999 fails as a whole.
    window.texts["Text2"] = "100000";
    runCountdown(window, turkish);
    EXPECT_EQ(window.texts["Text3"], "01.04.2026");
}

TEST(Countdown, UnreadableLeaveLeavesTheSecondCountAtZero) {
    FakeMainWindow window;
    window.texts["Text5"] = "bir ay";
    enterDaysLeft(window, 200);
    runCountdown(window, turkish);
    EXPECT_EQ(window.captions["Label5"], "200");
    EXPECT_EQ(window.captions["Label18"], "0");
    EXPECT_TRUE(window.messages.empty());
    EXPECT_EQ(window.captions["Label17(1)"], "İzin Kullanılmış Olarak:");
}

TEST(Countdown, CountsOutsideSixteenBitsStayAtZero) {
    // More than 32767 days to go.
    FakeMainWindow far = calculatedWithDaysLeft(40000);
    EXPECT_EQ(far.captions["Label5"], "0");
    EXPECT_EQ(far.captions["Label18"], "-30");

    // 32767 itself still fits.
    EXPECT_EQ(calculatedWithDaysLeft(32767).captions["Label5"], "32767");

    // Today that is no date counts from 30.12.1899, far too long ago.
    FakeMainWindow noToday;
    noToday.texts["Text4"] = "bugün";
    enterDaysLeft(noToday, 10);
    runCountdown(noToday, turkish);
    EXPECT_EQ(noToday.captions["Label5"], "0");

    // A leave so long that the second count overflows keeps that count at zero.
    FakeMainWindow longLeave;
    longLeave.texts["Text5"] = "40000";
    enterDaysLeft(longLeave, 10);
    runCountdown(longLeave, turkish);
    EXPECT_EQ(longLeave.captions["Label5"], "10");
    EXPECT_EQ(longLeave.captions["Label18"], "0");
    EXPECT_TRUE(longLeave.messages.empty());
}

const std::string unreadableDate = "Tarih okunamadı — gün.ay.yıl biçiminde yazın: 15.09.2025";

// A window after a good calculation: 01.07.2025 stands in Text3 and no box is marked.
FakeMainWindow calculatedOnce() {
    FakeMainWindow window;
    window.texts["Text1"] = "01.01.2025";
    window.texts["Text2"] = "6";
    runCountdown(window, turkish);
    EXPECT_TRUE(window.marks.empty());
    return window;
}

TEST(Countdown, MarksEachBoxAStepCouldNotReadWithWhatItExpected) {
    using Marks = std::map<std::string, std::string>;
    const struct {
        std::map<std::string, std::string> typed;
        Marks marked;
    } cases[] = {
        {{{"Text1", "abc"}}, {{"Text1", unreadableDate}}},
        {{{"Text1", ""}}, {{"Text1", unreadableDate}}},
        {{{"Text1", "   "}}, {{"Text1", unreadableDate}}},
        {{{"Text1", "31.02.2025"}}, {{"Text1", unreadableDate}}},
        {{{"Text2", "on beş"}}, {{"Text2", "Ay sayısı okunamadı — rakamla yazın: 15"}}},
        {{{"Text4", "bugün"}}, {{"Text4", unreadableDate}}},
        {{{"Text5", "bir ay"}},
         {{"Text5", "İzin süresi okunamadı — gün sayısını rakamla yazın: 30"}}},
        {{{"Text5", "40000"}},
         {{"Text5", "İzin süresi hesaplanamayacak kadar uzun — gün sayısını yazın: 30"}}},
        {{{"Text2", "100000"}},
         {{"Text3", "Teskere tarihi 100–9999 yılları dışına düşüyor — Sülüs Tarihi ile Kaç Ay'ı "
                    "denetleyin"}}},
        {{{"Text1", "31.12.9999"}, {"Text2", "0"}},
         {{"Text3", "Teskere tarihi bugünden çok uzak — en çok 32767 gün sayılabilir"}}},
        // The discharge date typed over as well: both dates are unreadable.
        {{{"Text1", "abc"}, {"Text3", "xyz"}},
         {{"Text1", unreadableDate}, {"Text3", unreadableDate}}},
        // Today unreadable makes the count fail too, but only Text4 is at fault.
        {{{"Text4", "bugün"}, {"Text1", "31.12.9999"}, {"Text2", "0"}},
         {{"Text4", unreadableDate}}},
    };
    for (const auto& c : cases) {
        FakeMainWindow window = calculatedOnce();
        for (const auto& [box, text] : c.typed)
            window.texts[box] = text;
        runCountdown(window, turkish);
        EXPECT_EQ(window.marks, c.marked) << ::testing::PrintToString(c.typed);
    }

    // A first calculation with nothing typed cannot read the start date, nor the empty
    // discharge date that follows from it.
    FakeMainWindow first;
    runCountdown(first, turkish);
    EXPECT_EQ(first.marks, (Marks{{"Text1", unreadableDate}, {"Text3", unreadableDate}}));
}

TEST(Countdown, AMarkStaysUntilARunReadsTheBoxAndShowsBeforeTheLeaveWarning) {
    FakeMainWindow window = calculatedOnce();
    window.texts["Text1"] = "abc";
    runCountdown(window, turkish);
    ASSERT_TRUE(window.marks.contains("Text1"));

    // Unreadable months stop the step before it reads the start date: its mark stands.
    window.texts["Text1"] = "01.01.2025";
    window.texts["Text2"] = "on beş";
    runCountdown(window, turkish);
    EXPECT_TRUE(window.marks.contains("Text1"));
    EXPECT_TRUE(window.marks.contains("Text2"));

    window.texts["Text2"] = "6";
    runCountdown(window, turkish);
    EXPECT_TRUE(window.marks.empty());

    // The leave overflows in one step and reads well in a later one: the mark holds.
    window.texts["Text5"] = "40000";
    runCountdown(window, turkish);
    EXPECT_TRUE(window.marks.contains("Text5"));

    // The unreadable today is marked while the leave warning it causes is open.
    window.texts["Text5"] = "30";
    window.texts["Text4"] = "bugün";
    window.messages.clear();
    runCountdown(window, turkish);
    ASSERT_EQ(window.messageTexts(), std::vector{leaveOverdrawn});
    EXPECT_EQ(window.messages[0].marksWhenShown,
              (std::map<std::string, std::string>{{"Text4", unreadableDate}}));
}

TEST(Countdown, TheDateExplanationFollowsTheUsersDateFormat) {
    const LocaleConventions american{"M/d/yyyy", "h:mm:ss AP", ".", ",", "AM", "PM"};
    const LocaleConventions iso{"yyyy-MM-dd", "HH:mm:ss", ",", " ", "", ""};
    for (const auto& [locale, explanation] :
         {std::pair{american, "Tarih okunamadı — ay/gün/yıl biçiminde yazın: 9/15/2025"},
          {iso, "Tarih okunamadı — yıl-ay-gün biçiminde yazın: 2025-09-15"}}) {
        FakeMainWindow window;
        window.texts["Text4"] = "bugün";
        runCountdown(window, locale);
        EXPECT_EQ(window.marks["Text4"], explanation);
    }
}

} // namespace
} // namespace dorvak
