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

// A Boolean is true or false or, as the runtime saves Booleans, a number (true is -1; any
// number but 0 counts as true). Raises RuntimeError (type mismatch) for anything else; the
// form with `otherwise` takes anything else (null, text) as that value instead.
bool boolFromJson(const QJsonValue& value);
bool boolFromJson(const QJsonValue& value, bool otherwise);

// A number. Raises RuntimeError (type mismatch) for anything else; the form with `otherwise`
// takes anything else as that value instead.
double numberFromJson(const QJsonValue& value);
double numberFromJson(const QJsonValue& value, double otherwise);

// The QColor a widget paints with; system colours are translated first.
QColor qColorFromOle(OleColor color);

// A font is an object { "Name", "Size" (points), "Bold", "Italic", "Underline",
// "Strikethrough", "Charset" }; missing members keep the values of `base`. The font comes
// with the metrics of its design (see withDesignMetrics).
QFont fontFromJson(const QJsonValue& value, const QFont& base = QFont());
QJsonValue fontToJson(const QFont& font);

// A picture built into the program is saved as its file name (":/assets/<file>"): the image
// remembers the name. Any other picture is saved as its pixels, {"PNG": "<base64 of a PNG
// file>"}, of at most maxSavedPicturePixels pixels, so that a large or hostile saved picture
// cannot make reading it allocate much. Null, "" and values of other types are no picture.
// Raises RuntimeError (invalid call) for a file that does not exist, a picture that cannot be
// decoded, and a picture larger than the limit, whether saving it or reading it.
QImage pictureFromJson(const QJsonValue& value);
QJsonValue pictureToJson(const QImage& picture);
inline constexpr qint64 maxSavedPicturePixels = 2048 * 2048;
QImage loadAssetPicture(const QString& file);
// The picture to show on a device of this pixel ratio: above 1×, the program's own picture
// drawn at twice its size (":/assets/<name>@2x.<suffix>", device pixel ratio 2) where there is
// one; otherwise the picture itself. What is saved stays the picture itself.
QImage sharperPicture(const QImage& picture, qreal devicePixelRatio);

} // namespace dorvak
