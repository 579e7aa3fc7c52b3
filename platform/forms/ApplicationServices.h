#pragma once

#include <QString>

class QObject;

namespace dorvak {

class Form;
struct ControlSite;

// The application object as the windows, controls and message boxes see it. They lie below the
// Application, which holds the kinds of control they are built from, so they reach it through
// this.
class ApplicationServices {
public:
    // The one application object; nullptr before it is made and after it ends.
    static ApplicationServices* instance();

    // The title of message boxes that give none of their own.
    virtual QString title() const = 0;
    // Raises RuntimeError (invalid call) for a kind nobody registered.
    virtual QObject* createControl(const QString& kind, const ControlSite& site) const = 0;

protected:
    ApplicationServices();
    ~ApplicationServices();
    ApplicationServices(const ApplicationServices&) = delete;
    ApplicationServices& operator=(const ApplicationServices&) = delete;

private:
    friend class Form;
    virtual void formLoaded(Form* form) = 0;
    virtual void formUnloaded(Form* form) = 0;
};

} // namespace dorvak
