#pragma once

#include "tests/support/ApplicationFixture.h"

#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>

namespace dorvak {

// Watches for the program's message box while a test runs code that opens one. Once the box
// is open, `whileOpen` is asked (on every poll) whether it may close; the box's title and
// text are kept. Polls from the event loop the box itself runs, so nothing sleeps.
class MessageBoxWatcher {
public:
    explicit MessageBoxWatcher(std::function<bool()> mayClose = [] { return true; });

    int seen = 0;
    QString title;
    QString text;      // of the last box
    QStringList texts; // of every box, in order
    bool hadIcon = false;
    int buttonCount = 0;
    QString buttonText;

private:
    void poll();

    QTimer poller_;
    std::function<bool()> mayClose_;
};

} // namespace dorvak
