#include "platform/forms/FormDesign.h"

#include "platform/runtime/RuntimeError.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

namespace dorvak {
namespace {

[[noreturn]] void fail(const QString& what) {
    throw RuntimeError(ErrorCode::InvalidCall, "design description: " + what.toStdString());
}

ControlDesign parseControl(const QJsonObject& object) {
    ControlDesign control;
    control.kind = object.value(QLatin1String("kind")).toString();
    control.name = object.value(QLatin1String("name")).toString();
    if (control.kind.isEmpty() || control.name.isEmpty())
        fail(QStringLiteral("a control without kind or name"));
    control.index = object.value(QLatin1String("index")).toInt(-1);
    control.container = object.value(QLatin1String("container")).toString();
    control.left = object.value(QLatin1String("left")).toDouble();
    control.top = object.value(QLatin1String("top")).toDouble();
    control.width = object.value(QLatin1String("width")).toDouble();
    control.height = object.value(QLatin1String("height")).toDouble();
    control.properties = object.value(QLatin1String("properties")).toObject();
    control.bag = object.value(QLatin1String("bag")).toObject();
    return control;
}

} // namespace

FormDesign parseFormDesign(const QByteArray& json) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (!document.isObject())
        fail(error.errorString());
    const QJsonObject root = document.object();
    FormDesign design;
    design.name = root.value(QLatin1String("name")).toString();
    design.properties = root.value(QLatin1String("properties")).toObject();
    for (const QJsonValue control : root.value(QLatin1String("controls")).toArray())
        design.controls.push_back(parseControl(control.toObject()));
    return design;
}

FormDesign loadFormDesign(const QString& name) {
    QFile file(QStringLiteral(":/forms/%1.json").arg(name));
    if (!file.open(QIODevice::ReadOnly))
        fail(QStringLiteral("no description of ") + name);
    return parseFormDesign(file.readAll());
}

} // namespace dorvak
