#pragma once

#include "controls/skin/xVistaForm.h"
#include "platform/forms/Form.h"
#include "tests/support/ApplicationFixture.h"

#include <QJsonObject>
#include <QPointer>
#include <memory>

namespace dorvak {

// A borderless 9225 × 8355-twip window (615 × 557 pixels) hosting one skin with the given
// saved bag, in an application of its own that does not quit when the window unloads.
class SkinHost {
public:
    explicit SkinHost(const QJsonObject& bag = savedBag());
    ~SkinHost();

    // The bag of the main window's skin, with its size entries.
    static QJsonObject savedBag();

    Form& form() { return *form_; }
    xVistaForm& skin() { return *skin_; }
    bool formUnloaded() const { return !form_ || form_->isUnloading(); }

private:
    ApplicationFixture fixture_;
    QPointer<Form> form_;
    xVistaForm* skin_ = nullptr;
};

} // namespace dorvak
