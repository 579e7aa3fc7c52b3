#pragma once

#include "platform/gdi/Color.h"

#include <QFont>
#include <QImage>
#include <QJsonValue>
#include <QString>

namespace dorvak {

// Conversions between the values of design descriptions and property bags (JSON) and the
// values the controls hold.

// A colour is a string "0x00BBGGRR" or a plain number; the value is kept untranslated.
// Raises RuntimeError (type mismatch) for anything else.
OleColor colorFromJson(const QJsonValue& value);
QJsonValue colorToJson(OleColor color);

// The QColor a widget paints with; system colours are translated first.
QColor qColorFromOle(OleColor color);

// A font is an object { "Name", "Size" (points), "Bold", "Italic", "Underline",
// "Strikethrough", "Charset" }; missing members keep the values of `base`. The font comes
// with the metrics of its design (see withDesignMetrics).
QFont fontFromJson(const QJsonValue& value, const QFont& base = QFont());
QJsonValue fontToJson(const QFont& font);

// A picture is the file name of a picture built into the program (":/assets/<file>"); the
// image remembers its file name so that it can be saved again. Null and "" are no picture.
// Raises RuntimeError (invalid call) when the file does not exist or cannot be decoded.
QImage pictureFromJson(const QJsonValue& value);
QJsonValue pictureToJson(const QImage& picture);
QImage loadAssetPicture(const QString& file);

} // namespace dorvak
