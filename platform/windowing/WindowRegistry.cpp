#include "platform/windowing/WindowRegistry.h"

#include "platform/gdi/HandleTable.h"

#include <QPointer>
#include <QVariant>
#include <QWidget>

namespace dorvak {

namespace {

constexpr const char* handleProperty = "dorvakWindowHandle";

HandleTable<QPointer<QWidget>>& windows() {
    static HandleTable<QPointer<QWidget>> table(windowHandles);
    return table;
}

} // namespace

std::uint32_t registerWindow(QWidget* widget) {
    if (!widget)
        return 0;
    if (const std::uint32_t existing = handleOfWindow(widget))
        return existing;
    const std::uint32_t handle = windows().add(QPointer<QWidget>(widget));
    widget->setProperty(handleProperty, QVariant::fromValue(handle));
    QObject::connect(widget, &QObject::destroyed, [handle] { windows().remove(handle); });
    return handle;
}

QWidget* windowFromHandle(std::uint32_t hWnd) {
    QPointer<QWidget>* widget = windows().find(hWnd);
    return widget ? widget->data() : nullptr;
}

std::uint32_t handleOfWindow(const QWidget* widget) {
    return widget ? widget->property(handleProperty).value<std::uint32_t>() : 0;
}

} // namespace dorvak
