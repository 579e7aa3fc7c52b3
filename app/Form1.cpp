#include "app/Form1.h"

#include "app/Countdown.h"
#include "app/Form2.h"
#include "controls/button/Button.h"
#include "platform/forms/Announcement.h"
#include "platform/forms/Application.h"
#include "platform/forms/Label.h"
#include "platform/forms/MessageBox.h"
#include "platform/forms/Printer.h"
#include "platform/forms/Shape.h"
#include "platform/forms/SystemLocale.h"
#include "platform/forms/TextBox.h"
#include "platform/forms/Timer.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/TextFormatting.h"

#include <QStringList>
#include <cmath>
#include <tuple>
#include <utility>

namespace dorvak {
namespace {

// The chart's shapes from the front of the stacking order to the back, each with the legend
// label that names its colour.
constexpr std::pair<ControlName, ControlName> chartLegend[] = {
    {{"Shape3", 1}, {"Label10"}},
    {{"Shape3", 0}, {"Label13"}},
    {{"Shape3", 2}, {"Label11"}},
    {{"Shape2", 0}, {"Label12"}},
};

} // namespace

Form1::Form1(WallClock wallClock)
    : Form(QStringLiteral("Form1"))
    , wallClock_(std::move(wallClock))
    , locale_(systemLocaleConventions())
    , clock_(&named<Label>({"Label8"}))
    , results_(new Announcement(this)) {
    named<Timer>({"Timer1"}).Tick.connect([this] { Timer1_Timer(); });
    onClick("Command1", &Form1::Command1_Click);
    onClick("Command2", &Form1::Command2_Click);
    onClick("Button1", &Form1::Button1_Click);
    onClick("Button2", &Form1::Button2_Click);
    nameForScreenReaders();
}

void Form1::nameForScreenReaders() {
    // Each text box is named by the caption over it (before it, for today's date).
    for (auto [box, caption] : {std::pair{"Text1", "Label1"},
                                {"Text2", "Label2"},
                                {"Text5", "Label16"},
                                {"Text3", "Label3"},
                                {"Text4", "Label4"}})
        named<Label>({caption}).setBuddy(&named<TextBox>({box}));

    // The chart reads as the legend's words for the colour on top; the shapes it hides are
    // not shown to a screen reader.
    QString chart = named<Label>({"Label14"}).Caption().trimmed();
    if (chart.endsWith(u':'))
        chart.chop(1);
    for (auto [shape, legend] : chartLegend) {
        named<Shape>(shape).setAccessibleName(named<Label>(legend).Caption().trimmed());
        named<Shape>(shape).setAccessibleDescription(chart);
    }
}

void Form1::announceResults() {
    // What a sighted user reads off the window once the calculation ends: the two count rows
    // as they read, and the colour of the chart in the legend's words.
    QStringList spoken;
    for (auto [caption, count, unit] :
         {std::tuple{ControlName{"Label17", 0}, ControlName{"Label5"}, ControlName{"Label6", 0}},
          {ControlName{"Label17", 1}, ControlName{"Label18"}, ControlName{"Label6", 1}}})
        spoken << named<Label>(caption).Caption().trimmed() + u' ' + named<Label>(count).Caption() +
                      u' ' + named<Label>(unit).Caption();
    for (auto [shape, legend] : chartLegend) {
        if (named<Shape>(shape).isVisibleTo(this)) {
            spoken << named<Label>({"Label14"}).Caption().trimmed() + u' ' +
                          named<Shape>(shape).accessibleName();
            break;
        }
    }
    results_->announce(spoken.join(u' '));
}

void Form1::Form_Load() {
    setText({"Text4"}, dateText(std::floor(localDateTime(wallClock_())), locale_));
}

void Form1::Timer1_Timer() {
    const auto instant = wallClock_();
    const QString now =
        "Saat: " + QString::fromStdString(timeText(localDateTime(instant), locale_));
    if (clock_->Caption() != now)
        clock_->setCaption(now);
    // The text changes only when the second does: tick again as the next one begins. A jump of
    // the system clock (a resume, a new time zone) shows at that tick, within a second.
    named<Timer>({"Timer1"}).setInterval(int(untilNextSecond(instant).count()));
}

void Form1::Command1_Click() {
    runCountdown(*this, locale_);
    announceResults();
}

void Form1::Command2_Click() {
    Application::instance()->printer().PrintForm(*this);
}

void Form1::Button1_Click() {
    Application::instance()->showForm<Form2>();
}

void Form1::Button2_Click() {
    Unload();
}

std::string Form1::text(ControlName textBox) const {
    return named<TextBox>(textBox).Text().toStdString();
}

void Form1::setText(ControlName textBox, const std::string& text) {
    named<TextBox>(textBox).setText(QString::fromStdString(text));
}

std::string Form1::caption(ControlName label) const {
    return named<Label>(label).Caption().toStdString();
}

void Form1::setCaption(ControlName label, const std::string& caption) {
    named<Label>(label).setCaption(QString::fromStdString(caption));
}

void Form1::setVisible(ControlName shape, bool visible) {
    named<Shape>(shape).setVisible(visible);
}

void Form1::showMessage(const std::string& text) {
    MessageBox(QString::fromStdString(text));
}

void Form1::markNotUnderstood(ControlName textBox, const std::string& explanation) {
    named<TextBox>(textBox).markNotUnderstood(QString::fromStdString(explanation));
}

void Form1::clearNotUnderstood(ControlName textBox) {
    named<TextBox>(textBox).clearNotUnderstood();
}

template <typename T> T& Form1::named(ControlName name) const {
    return Form::named<T>(QString::fromUtf8(name.name.data(), qsizetype(name.name.size())),
                          name.index);
}

void Form1::onClick(std::string_view button, void (Form1::*handler)()) {
    named<Button>({button}).Click.connect([this, handler] { (this->*handler)(); });
}

} // namespace dorvak
