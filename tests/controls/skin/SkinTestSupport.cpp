#include "SkinTestSupport.h"

#include "platform/forms/FormDesign.h"

#include <QJsonArray>

namespace dorvak {

SkinHost::SkinHost(const QJsonObject& bag) {
    fixture_.application.registerControlKind(
        "xVistaForm", [](const ControlSite& site) { return new xVistaForm(site); });
    FormDesign design;
    design.name = "Host";
    design.properties = {
        {"BorderStyle", 2}, {"ClientWidth", 9225}, {"ClientHeight", 8355}, {"StartUpPosition", 0}};
    ControlDesign skin;
    skin.kind = "xVistaForm";
    skin.name = "xVistaForm1";
    skin.width = 9225;
    skin.height = 600; // the skin makes itself 390 twips tall
    skin.bag = bag;
    design.controls.push_back(skin);
    form_ = new Form(design);
    skin_ = form_->control<xVistaForm>("xVistaForm1");
}

SkinHost::~SkinHost() {
    delete form_.data();
}

QJsonObject SkinHost::savedBag() {
    return {{"_extentx", 16272},
            {"_extenty", 688},
            {"caption", QString::fromUtf8(" Dorvak Programı - Velto Yazılım")},
            {"font", QJsonObject{{"Name", "Tahoma"},
                                 {"Size", 8.25},
                                 {"Bold", true},
                                 {"Italic", false},
                                 {"Charset", 162}}},
            {"showmaximisebutton", false}};
}

} // namespace dorvak
