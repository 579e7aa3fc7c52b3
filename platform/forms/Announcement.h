#pragma once

#include <QWidget>

namespace dorvak {

// A polite spoken notice: tells screen readers what changed elsewhere in a window, so that a user
// who does not see it hears it without going to look. It takes no room and no input; each
// announce() is spoken once, also when it repeats the last.
class Announcement : public QWidget {
    Q_OBJECT

public:
    explicit Announcement(QWidget* window);

    void announce(const QString& text);
};

} // namespace dorvak
