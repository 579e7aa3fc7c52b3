// The main and About windows, opened offscreen and driven as a user would: typing, clicking
// the buttons, closing the message boxes, reading back what the window shows.
#include "app/Form1.h"
#include "app/Form2.h"
#include "platform/forms/Application.h"
#include "platform/forms/Label.h"
#include "platform/forms/MessageBox.h"
#include "platform/forms/Printer.h"
#include "platform/forms/Shape.h"
#include "platform/forms/SystemLocale.h"
#include "platform/forms/TextBox.h"
#include "platform/forms/Timer.h"
#include "platform/forms/Twips.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/TextFormatting.h"
#include "tests/support/ProgramApplication.h"
#include "tests/support/Waiting.h"

#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <set>

namespace dorvak {
namespace {

// The middle of the status chart, where its four shapes are stacked.
const QPoint chartCentre(pixelsFromTwips(7440 + 1335 / 2), pixelsFromTwips(960 + 1575 / 2));

void finishUnloads() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Presses a button control where a user would: at its centre, on whatever widget is there.
void click(QWidget& control) {
    const QPoint centre = control.rect().center();
    QWidget* target = control.childAt(centre);
    if (!target)
        target = &control;
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(&control, centre));
}

// Closes every message box as soon as it opens, noting its text and title.
class MessageBoxCloser {
public:
    MessageBoxCloser() {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || box->objectName() != messageBoxObjectName)
                return;
            texts.push_back(box->text());
            titles.push_back(box->windowTitle());
            box->accept();
        });
        timer_.start();
    }

    QStringList texts;
    QStringList titles;

private:
    QTimer timer_;
};

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override {
        programApplication();
        form = new Form1;
        form->Show();
    }

    void TearDown() override {
        for (Form* loaded : programApplication().forms())
            loaded->Unload();
        finishUnloads();
    }

    TextBox& textBox(const QString& name) { return *form->control<TextBox>(name); }
    Label& label(const QString& name, int index = -1) { return *form->control<Label>(name, index); }
    QWidget& button(const QString& name) { return *form->control<QWidget>(name); }

    // Enters a start date `days` after 01.01.2025, taken as today, with no months of service.
    void calculateWithDaysLeft(int days) {
        const LocaleConventions locale = systemLocaleConventions();
        textBox("Text4").setText(QString::fromStdString(dateText(makeDate(2025, 1, 1), locale)));
        textBox("Text1").setText(
            QString::fromStdString(dateText(makeDate(2025, 1, 1) + days, locale)));
        textBox("Text2").setText("0");
        click(button("Command1"));
    }

    QColor chartColour() { return form->grab().toImage().pixelColor(chartCentre); }

    Form1* form = nullptr;
};

TEST_F(MainWindow, OpensWithTheDesignValuesAndTodaysDate) {
    EXPECT_EQ(form->size(), QSize(615, 557));
    EXPECT_EQ(textBox("Text1").Text(), "");
    EXPECT_EQ(textBox("Text2").Text(), "15");
    EXPECT_EQ(textBox("Text3").Text(), "");
    EXPECT_EQ(textBox("Text5").Text(), "30");
    const std::string today = dateText(std::floor(currentDateTime()), systemLocaleConventions());
    EXPECT_EQ(textBox("Text4").Text().toStdString(), today);
    for (const char* empty : {"Label5", "Label18", "Label9", "Label20"})
        EXPECT_EQ(label(empty).Caption(), "") << empty;
    EXPECT_EQ(label("Label7").Caption(), " ");
    EXPECT_EQ(label("Label17", 1).Caption(), "İzin Kullanmadıysan:");

    // No colour before the first calculation: the chart shows the background picture.
    for (auto [name, index] : {std::pair{"Shape3", 0}, {"Shape3", 1}, {"Shape3", 2}, {"Shape2", 0}})
        EXPECT_FALSE(form->control<Shape>(name, index)->isVisible()) << name << index;
}

// Counts the paints a widget receives.
struct PaintCounter : QObject {
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        count += event->type() == QEvent::Paint;
        return false;
    }
};

TEST(MainWindowClock, ShowsEachSecondAsItBeginsAndAJumpOfTheSystemClockWithinASecond) {
    using namespace std::chrono;
    using namespace std::chrono_literals;
    programApplication();
    // A wall clock the test sets: 31.01.2025 14:30:15.985 UTC to begin with.
    system_clock::time_point now = system_clock::from_time_t(1738333815) + 985ms;
    auto* form = new Form1([&] { return now; });
    form->Show();
    Timer& ticker = *form->control<Timer>("Timer1");
    Label& clock = *form->control<Label>("Label8");
    const auto tick = [&] { ticker.Tick.raise(); };
    const auto shows = [&](system_clock::time_point instant) {
        return "Saat: " +
               QString::fromStdString(timeText(localDateTime(instant), systemLocaleConventions()));
    };
    // How long the runtime waits for the next tick: the interval, at least its resolution.
    const auto wait = [&] {
        return milliseconds(std::max(ticker.Interval(), Timer::resolutionMs));
    };
    EXPECT_EQ(form->control<TextBox>("Text4")->Text().toStdString(),
              dateText(std::floor(localDateTime(now)), systemLocaleConventions()));

    // Wherever in a second a tick falls, the next comes within 20 ms after the next second
    // begins and shows it.
    for (const milliseconds into : {985ms, 0ms, 1ms, 500ms, 999ms}) {
        now = floor<seconds>(now) + 1s + into;
        tick();
        EXPECT_EQ(clock.Caption(), shows(now));
        const auto secondBegins = floor<seconds>(now) + 1s;
        now += wait();
        EXPECT_GE(now, secondBegins) << into.count();
        EXPECT_LE(now, secondBegins + 20ms) << into.count();
        tick();
        EXPECT_EQ(clock.Caption(), shows(secondBegins)) << into.count();
    }

    // The system clock jumps while the window waits (a resume, a new time zone): the next tick,
    // at most a second later, shows the new time.
    for (const auto jump : {3h + 17min + 250ms, -(1h + 250ms)}) {
        EXPECT_LE(wait(), 1000ms);
        now += jump + wait();
        tick();
        EXPECT_EQ(clock.Caption(), shows(now));
    }

    // Ticks that find the same text repaint nothing.
    PaintCounter paints;
    clock.installEventFilter(&paints);
    QCoreApplication::processEvents();
    paints.count = 0;
    tick();
    tick();
    QCoreApplication::processEvents();
    EXPECT_EQ(paints.count, 0);
    now += 1s;
    tick();
    EXPECT_TRUE(waitFor([&] {
        QCoreApplication::processEvents();
        return paints.count > 0;
    }));
    clock.removeEventFilter(&paints);
    form->Unload();
    finishUnloads();
}

TEST_F(MainWindow, CalculatesAndShowsTheChartColour) {
    textBox("Text4").setText("01.01.2025");
    textBox("Text1").setText("31.01.2025");
    MessageBoxCloser closer;
    click(button("Command1"));
    EXPECT_EQ(textBox("Text3").Text(), "30.04.2026");
    EXPECT_EQ(label("Label5").Caption(), "484");
    EXPECT_EQ(label("Label18").Caption(), "454");
    EXPECT_EQ(label("Label7").Caption(), " Şafak karanlık! Biraz daha sabır!");
    EXPECT_EQ(label("Label9").Caption(), "Hoş geldin, askerliğin uzun dönem!");
    EXPECT_EQ(chartColour(), QColor(255, 0, 0));

    calculateWithDaysLeft(300);
    EXPECT_EQ(chartColour(), QColor(255, 128, 0));
    calculateWithDaysLeft(250);
    EXPECT_EQ(chartColour(), QColor(255, 255, 0));
    calculateWithDaysLeft(34);
    EXPECT_EQ(chartColour(), QColor(0, 255, 0));
    EXPECT_EQ(label("Label20").Caption(), "34 İSTANBUL");
    EXPECT_TRUE(closer.texts.isEmpty()); // no count went below the leave
}

TEST_F(MainWindow, EmptyStartDateShowsBothMessagesWithTheProgramsTitle) {
    MessageBoxCloser closer;
    click(button("Command1"));
    ASSERT_TRUE(waitFor([&] { return closer.texts.size() == 2; }));
    EXPECT_EQ(closer.texts, QStringList({"Lütfen Sülüs Tarihini Giriniz.",
                                         "Ya izin kullanmadın, yada kullandığın izinleri silmeyi "
                                         "unuttun!"}));
    EXPECT_EQ(closer.titles, QStringList({"Velto Dorvak Programı", "Velto Dorvak Programı"}));
    EXPECT_EQ(label("Label5").Caption(), "0");
    EXPECT_EQ(label("Label18").Caption(), "-30");
    EXPECT_EQ(chartColour(), QColor(0, 255, 0));
}

TEST_F(MainWindow, AboutWindowOpensOnceAndAnewAfterItIsClosed) {
    click(button("Button1"));
    Form2* about = programApplication().loadedForm<Form2>();
    ASSERT_NE(about, nullptr);
    click(button("Button1"));
    EXPECT_EQ(programApplication().forms().size(), 2u);
    EXPECT_EQ(programApplication().loadedForm<Form2>(), about);
    EXPECT_TRUE(about->isVisible());

    // Black, frameless, the "X" in its top-right corner.
    EXPECT_EQ(about->size(), QSize(613, 300));
    EXPECT_TRUE(about->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(about->grab().toImage().pixelColor(300, 292), QColor(0, 0, 0));
    QWidget& close = *about->control<QWidget>("Button1");
    EXPECT_EQ(close.geometry(), QRect(576, 8, 25, 25));

    click(close);
    EXPECT_EQ(programApplication().loadedForm<Form2>(), nullptr);
    finishUnloads();
    click(button("Button1"));
    EXPECT_NE(programApplication().loadedForm<Form2>(), nullptr);
}

TEST_F(MainWindow, AboutWindowKeepsTheProgramRunningAfterTheMainWindowCloses) {
    QSignalSpy lastUnloaded(&programApplication(), &Application::lastFormUnloaded);
    click(button("Button1"));
    Form2* about = programApplication().loadedForm<Form2>();
    ASSERT_NE(about, nullptr);

    click(button("Button2"));
    finishUnloads();
    EXPECT_EQ(programApplication().loadedForm<Form1>(), nullptr);
    EXPECT_EQ(lastUnloaded.count(), 0);

    click(*about->control<QWidget>("Button1"));
    EXPECT_TRUE(waitFor([&] { return lastUnloaded.count() == 1; }));
}

class RecordingPrinter : public PrintDevice {
public:
    explicit RecordingPrinter(QList<QImage>& pages)
        : pages_(pages) {}
    void printPage(const QImage& page) override { pages_.push_back(page); }

private:
    QList<QImage>& pages_;
};

TEST_F(MainWindow, PrintSendsAnImageOfTheWindowWithItsControls) {
    QList<QImage> pages;
    programApplication().printer().setDevice(std::make_unique<RecordingPrinter>(pages));
    calculateWithDaysLeft(300);
    click(button("Command2"));
    programApplication().printer().setDevice(std::make_unique<DefaultPrinter>());

    ASSERT_EQ(pages.size(), 1);
    const QImage& page = pages.front();
    EXPECT_EQ(page.size(), QSize(615, 557));
    EXPECT_EQ(page.pixelColor(chartCentre), QColor(255, 128, 0));
    const QImage shown = form->grab().toImage();
    const QPoint background(300, 420); // the picture under the controls
    EXPECT_EQ(page.pixelColor(background), shown.pixelColor(background));
}

QAccessibleInterface* accessible(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

// What a screen reader finds in the window, in its reading order.
std::vector<QAccessibleInterface*> readingOrderOf(QWidget& window) {
    QAccessibleInterface* frame = accessible(&window);
    std::vector<QAccessibleInterface*> children;
    for (int i = 0; i < frame->childCount(); ++i)
        children.push_back(frame->child(i));
    return children;
}

// The names read right after the one named `caption`.
QStringList namesAfter(QWidget& window, const QString& caption, int count) {
    const std::vector<QAccessibleInterface*> children = readingOrderOf(window);
    const auto found = std::find_if(children.begin(), children.end(), [&](auto* child) {
        return child->text(QAccessible::Name) == caption;
    });
    QStringList names;
    for (auto it = found; it != children.end() && names.size() < count;)
        if (++it != children.end())
            names.push_back((*it)->text(QAccessible::Name));
    return names;
}

// The chart as a screen reader reads it: the pictures that are showing.
QStringList chartShowing(QWidget& window) {
    QStringList shown;
    for (QAccessibleInterface* child : readingOrderOf(window)) {
        const QAccessible::State state = child->state();
        if (child->role() == QAccessible::Graphic && !state.invisible && !state.offscreen) {
            EXPECT_EQ(child->text(QAccessible::Description), "Şafak Durum Grafiği");
            shown.push_back(child->text(QAccessible::Name));
        }
    }
    return shown;
}

TEST_F(MainWindow, AScreenReaderCalculatesWithoutTheMouseAndReadsTheResults) {
    EXPECT_EQ(accessible(form)->role(), QAccessible::Window);
    EXPECT_EQ(accessible(form)->text(QAccessible::Name), "Dorvak Programı - Velto Yazılım");

    // Each text box is found by its caption and typed into through the screen reader.
    std::map<QString, QAccessibleInterface*> boxes;
    for (QAccessibleInterface* child : readingOrderOf(*form))
        if (child->role() == QAccessible::EditableText)
            boxes[child->text(QAccessible::Name)] = child;
    ASSERT_EQ(boxes.size(), 5u);
    for (const char* caption :
         {"Sülüs Tarihi:", "Kaç Ay:", "İzin Süresi:", "Teskere Tarihi:", "Bugün:"})
        ASSERT_TRUE(boxes.contains(caption)) << caption;
    const auto type = [&](const char* caption, const QString& text) {
        QAccessibleInterface* box = boxes[caption];
        box->editableTextInterface()->replaceText(0, box->textInterface()->characterCount(), text);
    };
    QAccessibleActionInterface* calculate = accessible(&button("Command1"))->actionInterface();
    const auto press = [&] {
        label("Label5").setCaption("");
        calculate->doAction(QAccessibleActionInterface::pressAction());
        return waitFor([&] { return !label("Label5").Caption().isEmpty(); });
    };

    type("Bugün:", "01.01.2025");
    type("Kaç Ay:", "1");
    type("Sülüs Tarihi:", "04.01.2025");
    ASSERT_TRUE(press());
    EXPECT_EQ(boxes["Teskere Tarihi:"]->text(QAccessible::Value), "04.02.2025");
    // Each result is read right after its caption.
    EXPECT_EQ(namesAfter(*form, "İzin Kullandıysan:", 2), QStringList({"34", "Gün Kaldı..."}));
    EXPECT_EQ(namesAfter(*form, "İzin Kullanmadıysan:", 2), QStringList({"4", "Gün Kaldı..."}));
    EXPECT_EQ(namesAfter(*form, "Durum:", 2),
              QStringList({" Oleyyy! Plakaya düşmüssün!", "34 İSTANBUL"}));
    // Green stands in front of yellow: only green is read.
    EXPECT_EQ(chartShowing(*form), QStringList({"Yeşil: Kurtuluş"}));

    type("Kaç Ay:", "0");
    type("Sülüs Tarihi:", "28.10.2025"); // 300 days on
    ASSERT_TRUE(press());
    EXPECT_EQ(chartShowing(*form), QStringList({"Turuncu: Karanlık"}));
    type("Sülüs Tarihi:", "16.05.2026"); // 500 days on: red in front of orange
    ASSERT_TRUE(press());
    EXPECT_EQ(chartShowing(*form), QStringList({"Kırmızı: Çok Karanlık"}));
}

const QString unreadableDate = "Tarih okunamadı — gün.ay.yıl biçiminde yazın: 15.09.2025";
const QColor markColour(0xC0, 0, 0);

// WCAG's contrast ratio of two colours: 3 or more for a mark to be seen.
double contrast(QColor a, QColor b) {
    const auto luminance = [](QColor c) {
        const auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    const double first = luminance(a), second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// The mark as it is drawn: a frame two pixels wide and a flag, a triangle ten pixels on its
// sides, in the top-right corner, all in dark red, on the box's own background.
void expectMarked(const QImage& box, const QString& name) {
    const int w = box.width(), h = box.height();
    for (QPoint frame :
         {QPoint(0, h / 2), QPoint(1, h / 2), QPoint(w - 2, h / 2), QPoint(w - 1, h / 2),
          QPoint(w / 2, 0), QPoint(w / 2, 1), QPoint(w / 2, h - 2), QPoint(w / 2, h - 1)})
        EXPECT_EQ(box.pixelColor(frame), markColour)
            << name.toStdString() << " frame at " << frame.x() << "," << frame.y();
    EXPECT_EQ(box.pixelColor(w - 5, 4), markColour) << name.toStdString() << " flag";
    EXPECT_EQ(box.pixelColor(w - 3, 7), markColour) << name.toStdString() << " flag";
    EXPECT_NE(box.pixelColor(w - 8, 4), markColour) << name.toStdString() << " beside the flag";
    EXPECT_NE(box.pixelColor(2, h / 2), markColour) << name.toStdString() << " inside";
    // Seen on the box's own colour.
    EXPECT_GE(contrast(markColour, box.pixelColor(w / 3, h / 2)), 3) << name.toStdString();
}

TEST_F(MainWindow, AnUnreadableBoxIsMarkedOnScreenInPrintAndForScreenReadersUntilItIsRead) {
    MessageBoxCloser closer;
    TextBox& start = textBox("Text1");
    TextBox& today = textBox("Text4");
    today.setText("01.01.2025");
    start.setText("31.01.2025");
    click(button("Command1"));
    const QImage startUnmarked = start.grab().toImage();
    const QImage todayUnmarked = today.grab().toImage();

    start.setText("abc");
    today.setText("bugün");
    click(button("Command1"));
    for (TextBox* box : {&start, &today}) {
        EXPECT_TRUE(box->isNotUnderstood());
        EXPECT_EQ(box->toolTip(), unreadableDate);
        EXPECT_EQ(accessible(box)->text(QAccessible::Description), unreadableDate);
        expectMarked(box->grab().toImage(), box->objectName());
        // ... and beside it, on the window's picture.
        const QImage window = form->grab().toImage();
        EXPECT_GE(contrast(markColour, window.pixelColor(box->geometry().topLeft() - QPoint(1, 1))),
                  3)
            << box->objectName().toStdString();
    }
    EXPECT_EQ(start.ToolTipText(), "Lütfen Sülüs Tarihini Giriniz!") << "the designed tool tip";
    EXPECT_FALSE(textBox("Text2").isNotUnderstood());
    EXPECT_FALSE(textBox("Text3").isNotUnderstood()) << "the last discharge date still reads";

    // The printed window carries the marks.
    QList<QImage> pages;
    programApplication().printer().setDevice(std::make_unique<RecordingPrinter>(pages));
    click(button("Command2"));
    programApplication().printer().setDevice(std::make_unique<DefaultPrinter>());
    ASSERT_EQ(pages.size(), 1);
    expectMarked(pages.front().copy(start.geometry()), "Text1 printed");
    expectMarked(pages.front().copy(today.geometry()), "Text4 printed");

    // Read again, the boxes are as they were, Text1 with its designed tool tip. A text put in
    // by code leaves the mark to the calculation.
    start.setText("31.01.2025");
    today.setText("01.01.2025");
    EXPECT_TRUE(start.isNotUnderstood());
    click(button("Command1"));
    EXPECT_FALSE(start.isNotUnderstood());
    EXPECT_EQ(start.toolTip(), "Lütfen Sülüs Tarihini Giriniz!");
    EXPECT_EQ(accessible(&start)->text(QAccessible::Description), "Lütfen Sülüs Tarihini Giriniz!");
    EXPECT_EQ(today.toolTip(), "");
    EXPECT_EQ(start.grab().toImage(), startUnmarked);
    EXPECT_EQ(today.grab().toImage(), todayUnmarked);
    // The user's own edit makes a mark stale: it goes at once.
    start.setText("abc");
    click(button("Command1"));
    ASSERT_TRUE(start.isNotUnderstood());
    start.setFocus();
    QTest::keyClick(&start, Qt::Key_Backspace);
    EXPECT_FALSE(start.isNotUnderstood());
    EXPECT_EQ(start.toolTip(), "Lütfen Sülüs Tarihini Giriniz!");

    // Only the leave warning that no today causes (0 - 30 days): the marks add no box.
    EXPECT_EQ(closer.texts,
              QStringList({"Ya izin kullanmadın, yada kullandığın izinleri silmeyi unuttun!"}));
}

} // namespace
} // namespace dorvak
