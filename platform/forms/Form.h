#pragma once

#include "platform/forms/DrawingWidget.h"
#include "platform/forms/FormDesign.h"

#include <QFont>
#include <QImage>
#include <QPointer>
#include <cstdint>
#include <vector>

namespace dorvak {

template <typename Owner> class PropertyTable;

class UserControl;

// A top-level window built from its design description. Its controls are created in the
// listed order, stacked front-to-back as listed, with positions in twips. It draws on its own
// Surface (background picture, persistent drawing under the controls) and exposes its mouse
// and resize events, so that a control can act on its host window without code in the host.
//
// A window class derives from Form and overrides the Form_ handlers it needs. Unload()
// destroys the window; the program ends when the last window is unloaded.
class Form : public DrawingWidget {
    Q_OBJECT

public:
    // The properties a design description sets.
    static const PropertyTable<Form>& designProperties();

    enum Border : int {
        BorderNone = 0,
        BorderFixedSingle = 1,
        BorderSizable = 2,
        BorderFixedToolWindow = 4
    };
    enum StartUp : int { StartUpManual = 0, StartUpCenterScreen = 2 };

    // Builds the window from the description ":/forms/<designName>.json".
    explicit Form(const QString& designName);
    explicit Form(const FormDesign& design);
    ~Form() override;

    // Runs Form_Load once.
    void Load();
    // Loads if needed and shows the window, modeless and without an owner.
    void Show();
    // Runs Form_Unload, ends the user controls and destroys the window (later, so that a
    // handler of one of its own controls may unload it). Unloading twice does nothing.
    void Unload();
    bool isUnloading() const { return unloading_; }

    // The control of that name (and index, for a control-array element); nullptr when there
    // is none or it is not a T.
    template <typename T = QObject> T* control(const QString& name, int index = -1) const {
        return qobject_cast<T*>(findControl(name, index));
    }
    QObject* findControl(const QString& name, int index = -1) const;
    // The same for code that cannot go on without the control: raises RuntimeError (invalid
    // call) when there is none of that kind, where using it would crash.
    template <typename T> T& named(const QString& name, int index = -1) const {
        if (T* found = control<T>(name, index))
            return *found;
        noSuchControl(name, index);
    }
    // The design name of a control of this window, "Shape3(0)" for an array element.
    QString displayNameOf(const QObject* control) const;

    QString Caption() const { return windowTitle(); }
    void setCaption(const QString& caption) { setWindowTitle(caption); }
    int BorderStyle() const { return borderStyle_; }
    void setBorderStyle(int style);
    double ClientWidth() const;
    double ClientHeight() const;
    void setClientWidth(double twips);
    void setClientHeight(double twips);
    int StartUpPosition() const { return startUpPosition_; }
    void setStartUpPosition(int position) { startUpPosition_ = position; }
    QImage Icon() const { return icon_; }
    void setIcon(const QImage& icon);
    QFont Font() const { return font(); }
    void setFont(const QFont& font);
    // 0 normal, 1 minimised, 2 maximised.
    int WindowState() const;
    void setWindowState(int state);

    // The outer frame in twips, left and top in screen coordinates.
    double Left() const;
    double Top() const;
    double Width() const;
    double Height() const;
    void Move(double left, double top);
    void Move(double left, double top, double width, double height);
    void setWidth(double twips);
    void setHeight(double twips);

protected:
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Unload() {}

    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    struct ControlEntry {
        QString name;
        int index;
        QPointer<QObject> object;
    };

    [[noreturn]] void noSuchControl(const QString& name, int index) const;
    void build(const FormDesign& design);
    QObject* createControl(const ControlDesign& design, QWidget* container);
    void stackAndOrder(const FormDesign& design);
    void centreOnScreen();
    void focusFirstInTabOrder();
    std::vector<UserControl*> userControls() const;

    std::vector<ControlEntry> controls_;
    std::vector<QPointer<QWidget>> tabOrder_;
    QImage icon_;
    int borderStyle_ = BorderSizable;
    int startUpPosition_ = StartUpCenterScreen;
    bool loaded_ = false;
    bool placed_ = false;
    bool unloading_ = false;
};

} // namespace dorvak
