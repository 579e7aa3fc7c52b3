#pragma once

#include "platform/forms/ApplicationServices.h"
#include "platform/forms/ControlRegistry.h"
#include "platform/forms/FontsAndAccessibility.h"

#include <QObject>
#include <QString>
#include <memory>
#include <vector>

namespace dorvak {

class Form;
class Printer;

// The application object, one per program: the windows loaded, and the end of the program
// when the last window is unloaded. It holds what the windows share for as long as it lives:
// the kinds of control they are built from, the printer, the design fonts and accessibility.
class Application : public QObject, public ApplicationServices {
    Q_OBJECT

public:
    // With the built-in control kinds registered and the design fonts available.
    Application();
    ~Application() override;

    static Application* instance();

    // The program's name, the title of message boxes that give none of their own; the
    // executable's name until the program gives its own.
    QString title() const override;
    void setTitle(const QString& title) { title_ = title; }

    // The program registers the kinds of its own user controls ("Button", "xVistaForm").
    void registerControlKind(const QString& kind, ControlFactory factory) {
        controls_.add(kind, std::move(factory));
    }
    // Raises RuntimeError (invalid call) for a kind nobody registered.
    QObject* createControl(const QString& kind, const ControlSite& site) const override {
        return controls_.create(kind, site);
    }

    // The windows loaded, in the order they were loaded.
    const std::vector<Form*>& forms() const { return forms_; }
    // The loaded window of class F, or nullptr: one instance per window class, as the
    // program addresses its windows by name.
    template <typename F> F* loadedForm() const {
        for (Form* form : forms_)
            if (auto* wanted = dynamic_cast<F*>(form))
                return wanted;
        return nullptr;
    }
    // The loaded window of class F, loaded first when there is none; then shown.
    template <typename F> F* showForm() {
        F* form = loadedForm<F>();
        if (!form)
            form = new F;
        form->Show();
        return form;
    }

    // By default the program ends when its last window is unloaded; tests turn that off and
    // watch lastFormUnloaded instead.
    void setQuitOnLastFormUnloaded(bool quit) { quitOnLastFormUnloaded_ = quit; }

    Printer& printer() { return *printer_; }

signals:
    // No window is loaded once the handler that unloaded the last one has returned.
    void lastFormUnloaded();

private:
    void formLoaded(Form* form) override;
    void formUnloaded(Form* form) override;

    QString title_;
    FontsAndAccessibility fontsAndAccessibility_;
    ControlRegistry controls_;
    std::vector<Form*> forms_;
    std::unique_ptr<Printer> printer_;
    bool quitOnLastFormUnloaded_ = true;
    bool endCheckPending_ = false;
};

// Lets pending events (paints, timer ticks, input) run from inside a loop of a handler.
void DoEvents();

} // namespace dorvak
