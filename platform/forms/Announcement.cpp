#include "platform/forms/Announcement.h"

namespace dorvak {

Announcement::Announcement(QWidget* window)
    : QWidget(window) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFixedSize(0, 0);
    hide();
}

void Announcement::announce(const QString& text) {
    // Screen readers speak a notification as it comes to show.
    hide();
    setAccessibleName(text);
    show();
}

} // namespace dorvak
