#pragma once

#include "platform/forms/ControlSite.h"
#include "platform/forms/Placement.h"
#include "platform/forms/PropertyBag.h"
#include "platform/forms/SurfaceWidget.h"

#include <QFont>
#include <QImage>
#include <QPointer>
#include <cstdint>
#include <vector>

namespace dorvak {

class Form;

// The base of owner-drawn user controls. A user control draws on its Surface (what it draws
// stays, and pixels in the mask colour are see-through when its back style is transparent)
// and receives the container's services: the ambient font and display name, the extender's
// name, top and alignment, property-changed notification, its saved property bag, and child
// controls created at run time. The platform's notifications reach the UserControl_ handlers
// a control overrides; the control raises its own events (Event members) to the host.
class UserControl : public SurfaceWidget, public Placement {
    Q_OBJECT

public:
    explicit UserControl(const ControlSite& site);

    // Called by the host once the control has its place: Initialize, then ReadProperties
    // from the saved bag (InitProperties when it holds nothing: a newly placed control).
    void start(const PropertyBag& saved);
    // The control's properties as its host saves them, with the host's own size entries.
    PropertyBag saveProperties();
    // Called by the host before the control is destroyed: Terminate.
    void end();

    // The host window and the ambient properties it offers.
    Form* parentForm() const { return site_.form; }
    QFont ambientFont() const;
    QString ambientDisplayName() const;
    // Whether the host runs (true) or is being designed; this program always runs.
    bool ambientUserMode() const { return true; }

    // The extender: the host's view of the control. Its position and size in twips are the
    // Placement's (Left, Top, Width, Height).
    QString extenderName() const { return site_.name; }
    // 0 none; 1 top: the control spans the container's width at its top, following its
    // resizes.
    int extenderAlign() const { return align_; }
    void setExtenderAlign(int align);

    // Tells the host that a persisted property changed, so that its saved form is out of
    // date.
    void PropertyChanged(const QString& name);

    // Creates a child control of a registered kind inside this control, or inside one of its
    // children. Raises RuntimeError (invalid call) for an unknown kind.
    QObject* addControl(const QString& kind, const QString& name, QWidget* container = nullptr);
    template <typename T> T* addControl(const QString& name, QWidget* container = nullptr) {
        return qobject_cast<T*>(addControl(QString::fromLatin1(T::kind), name, container));
    }
    // A child created by addControl, by name; nullptr when none.
    QObject* childControl(const QString& name) const;

    std::int16_t MousePointer() const { return mousePointer_; }
    void setMousePointer(std::int16_t pointer);
    QImage MouseIcon() const { return mouseIcon_; }
    void setMouseIcon(const QImage& icon);

    // Gives the control a push-button role for screen readers, named by its caption. Only then
    // does the control take the keyboard focus: a stop a screen reader cannot name would be a
    // silent one.
    void setAccessibleCaption(const QString& caption);
    bool isAccessibleButton() const { return accessibleButton_; }
    // A press that comes from assistive technology rather than the mouse (a screen reader's
    // Press action): runs UserControl_Press, unless the control is disabled.
    void Press();

    // Shows what the last drawing changed.
    void Refresh() { surface().refresh(); }

signals:
    void propertyChanged(const QString& name);

protected:
    virtual void UserControl_Initialize() {}
    virtual void UserControl_InitProperties() {}
    virtual void UserControl_ReadProperties(PropertyBag& /*bag*/) {}
    virtual void UserControl_WriteProperties(PropertyBag& /*bag*/) {}
    virtual void UserControl_Resize() {}
    virtual void UserControl_Show() {}
    virtual void UserControl_Paint() {}
    virtual void UserControl_Terminate() {}

    virtual void UserControl_MouseDown(std::int16_t& /*button*/, std::int16_t& /*shift*/,
                                       float& /*x*/, float& /*y*/) {}
    virtual void UserControl_MouseMove(std::int16_t& /*button*/, std::int16_t& /*shift*/,
                                       float& /*x*/, float& /*y*/) {}
    virtual void UserControl_MouseUp(std::int16_t& /*button*/, std::int16_t& /*shift*/,
                                     float& /*x*/, float& /*y*/) {}
    virtual void UserControl_Click() {}
    // A press without a pointer; a push-button control clicks as a mouse click would.
    virtual void UserControl_Press() { UserControl_Click(); }
    virtual void UserControl_DblClick() {}
    virtual void UserControl_KeyDown(std::int16_t& /*keyCode*/, std::int16_t& /*shift*/) {}
    virtual void UserControl_KeyPress(std::int16_t& /*keyAscii*/) {}
    virtual void UserControl_KeyUp(std::int16_t& /*keyCode*/, std::int16_t& /*shift*/) {}
    virtual void UserControl_GotFocus() {}
    virtual void UserControl_LostFocus() {}
    virtual void UserControl_EnterFocus() {}
    virtual void UserControl_ExitFocus() {}

    void deviceScaleChanged() override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using MouseHandler = void (UserControl::*)(std::int16_t&, std::int16_t&, float&, float&);
    void deliverMouse(QMouseEvent* event, MouseHandler handler, Qt::MouseButtons buttons);
    void followContainer();

    struct Child {
        QString name;
        QPointer<QObject> object;
    };

    ControlSite site_;
    std::vector<Child> children_;
    QImage mouseIcon_;
    std::int16_t mousePointer_ = 0;
    int align_ = 0;
    bool pressed_ = false;
    bool afterDoubleClick_ = false;
    bool accessibleButton_ = false;
};

} // namespace dorvak
