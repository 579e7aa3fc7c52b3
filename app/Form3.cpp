#include "app/Form3.h"

#include "app/Form1.h"
#include "platform/forms/Application.h"
#include "platform/forms/Label.h"
#include "platform/forms/PictureBox.h"
#include "platform/forms/SystemLocale.h"
#include "platform/forms/Timer.h"
#include "platform/forms/WebBrowser.h"
#include "platform/runtime/NumberParsing.h"
#include "platform/runtime/TextFormatting.h"
#include "platform/windowing/WindowStyle.h"

#include <QCoreApplication>
#include <QUrl>

namespace dorvak {

Form3::Form3()
    : Form(QStringLiteral("Form3"))
    , locale_(systemLocaleConventions()) {
    named<Timer>("Timer1").Tick.connect([this] { Timer1_Timer(); });
    named<Timer>("Timer2").Tick.connect([this] { Timer2_Timer(); });
    named<Timer>("Timer3").Tick.connect([this] { Timer3_Timer(); });
    named<Timer>("Timer4").Tick.connect([this] { Timer4_Timer(); });
    // All four change what the window shows once a second: one wakeup does for them all, and
    // the picture's blink keeps step with the count.
    for (const char* name : {"Timer4", "Timer2", "Timer3"})
        named<Timer>(name).tickWith(named<Timer>("Timer1"));
}

QString Form3::advertisementAddress() {
    return QUrl::fromLocalFile(QCoreApplication::applicationDirPath() +
                               QStringLiteral("/assets/advertisement.html"))
        .toString();
}

void Form3::Form_Load() {
    named<WebBrowser>("WebBrowser1").Navigate(advertisementAddress());
    named<Timer>("Timer2").setEnabled(true);
}

void Form3::Form_Activate() {
    SetWindowPos(hWnd(), HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void Form3::Timer1_Timer() {
    Label& count = named<Label>("Label1");
    count.setCaption(nextCount(count.Caption()));
    if (count.Caption() == QLatin1String("35")) {
        Unload();
        Application::instance()->showForm<Form1>();
    }
}

void Form3::Timer2_Timer() {
    named<PictureBox>("Picture3").setVisible(true);
    named<Timer>("Timer3").setEnabled(true);
    named<Timer>("Timer2").setEnabled(false);
}

void Form3::Timer3_Timer() {
    named<PictureBox>("Picture3").setVisible(false);
    named<Timer>("Timer2").setEnabled(true);
    named<Timer>("Timer3").setEnabled(false);
}

void Form3::Timer4_Timer() {
    Label& count = named<Label>("Label3");
    count.setCaption(nextCount(count.Caption()));
    Label& notice = named<Label>("Label2");
    if (count.Caption() == QLatin1String("1"))
        notice.setCaption(
            QStringLiteral("                                   Reklam Hazırlanıyor..."));
    if (count.Caption() == QLatin1String("8"))
        notice.setCaption(QStringLiteral("(REKLAMA TIKLAMAZSANIZ PROGRAM ÇALIŞMAZ)"));
}

QString Form3::nextCount(const QString& count) const {
    return QString::fromStdString(
        numberText(parseNumber(count.toStdString(), locale_) + 1, locale_));
}

} // namespace dorvak
