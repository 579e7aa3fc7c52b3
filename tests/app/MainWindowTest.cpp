// The main and About windows, opened offscreen and driven as a user would: typing, clicking
// the buttons, closing the message boxes, reading back what the window shows.
#include "app/ControlKinds.h"
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

#include <QApplication>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace dorvak {
namespace {

Application& application() {
    static Application* const instance = [] {
        auto* created = new Application;
        registerControlKinds(*created);
        created->setQuitOnLastFormUnloaded(false);
        return created;
    }();
    return *instance;
}

// Lets events run until the condition holds or five seconds have passed.
bool waitFor(const std::function<bool()>& condition) {
    return QTest::qWaitFor(condition, 5000);
}

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
        application();
        form = new Form1;
        form->Show();
    }

    void TearDown() override {
        for (Form* loaded : application().forms())
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

TEST_F(MainWindow, ClockShowsTheTimeAndRepaintsOnlyWhenItChanges) {
    Label& clock = label("Label8");
    int ticks = 0;
    form->control<Timer>("Timer1")->Tick.connect([&] { ++ticks; });
    int paints = 0;
    struct PaintCounter : QObject {
        int& count;
        explicit PaintCounter(int& counter)
            : count(counter) {}
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint)
                ++count;
            return false;
        }
    } counter(paints);
    clock.installEventFilter(&counter);

    ASSERT_TRUE(waitFor([&] { return ticks >= 20; }));
    EXPECT_TRUE(
        QRegularExpression("^Saat: \\d\\d:\\d\\d:\\d\\d$").match(clock.Caption()).hasMatch())
        << clock.Caption().toStdString();
    // Twenty ticks span about a third of a second: at most two different texts.
    EXPECT_LE(paints, 3);
    clock.removeEventFilter(&counter);
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
    Form2* about = application().loadedForm<Form2>();
    ASSERT_NE(about, nullptr);
    click(button("Button1"));
    EXPECT_EQ(application().forms().size(), 2u);
    EXPECT_EQ(application().loadedForm<Form2>(), about);
    EXPECT_TRUE(about->isVisible());

    // Black, frameless, the "X" in its top-right corner.
    EXPECT_EQ(about->size(), QSize(613, 300));
    EXPECT_TRUE(about->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(about->grab().toImage().pixelColor(300, 292), QColor(0, 0, 0));
    QWidget& close = *about->control<QWidget>("Button1");
    EXPECT_EQ(close.geometry(), QRect(576, 8, 25, 25));

    click(close);
    EXPECT_EQ(application().loadedForm<Form2>(), nullptr);
    finishUnloads();
    click(button("Button1"));
    EXPECT_NE(application().loadedForm<Form2>(), nullptr);
}

TEST_F(MainWindow, AboutWindowKeepsTheProgramRunningAfterTheMainWindowCloses) {
    QSignalSpy lastUnloaded(&application(), &Application::lastFormUnloaded);
    click(button("Button1"));
    Form2* about = application().loadedForm<Form2>();
    ASSERT_NE(about, nullptr);

    click(button("Button2"));
    finishUnloads();
    EXPECT_EQ(application().loadedForm<Form1>(), nullptr);
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
    application().printer().setDevice(std::make_unique<RecordingPrinter>(pages));
    calculateWithDaysLeft(300);
    click(button("Command2"));
    application().printer().setDevice(std::make_unique<DefaultPrinter>());

    ASSERT_EQ(pages.size(), 1);
    const QImage& page = pages.front();
    EXPECT_EQ(page.size(), QSize(615, 557));
    EXPECT_EQ(page.pixelColor(chartCentre), QColor(255, 128, 0));
    const QImage shown = form->grab().toImage();
    const QPoint background(300, 420); // the picture under the controls
    EXPECT_EQ(page.pixelColor(background), shown.pixelColor(background));
}

} // namespace
} // namespace dorvak
