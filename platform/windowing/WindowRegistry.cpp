#include "platform/windowing/WindowRegistry.h"

#include "platform/gdi/HandleTable.h"

#include <QPointer>
#include <QVariant>
#include <QWidget>

namespace dorvak {

namespace {

constexpr const char* handleProperty = "dorvakWindowHandle";

HandleTable<HWND, QPointer<QWidget>>& windows() {
    static HandleTable<HWND, QPointer<QWidget>> table(windowHandles);
    return table;
}

} // namespace

HWND registerWindow(QWidget* widget) {
    if (!widget)
        return 0;
    if (const HWND existing = handleOfWindow(widget))
        return existing;
    const HWND handle = windows().add(QPointer<QWidget>(widget));
    widget->setProperty(handleProperty, QVariant::fromValue(handle.value));
    QObject::connect(widget, &QObject::destroyed, [handle] { windows().remove(handle); });
    return handle;
}

QWidget* windowFromHandle(HWND hWnd) {
    QPointer<QWidget>* widget = windows().find(hWnd);
    // A widget leaves the table as it is destroyed, and keeps the handle it was given.
    Q_ASSERT(!widget || !*widget || handleOfWindow(*widget) == hWnd);
    return widget ? widget->data() : nullptr;
}

HWND handleOfWindow(const QWidget* widget) {
    return widget ? HWND(widget->property(handleProperty).value<std::uint32_t>()) : HWND();
}

} // namespace dorvak
