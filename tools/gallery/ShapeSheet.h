#pragma once

#include <QImage>

namespace dorvak {

// One image with every ButtonShape drawn by its renderer in every edge style that draws
// something of its own (0 stands for 0, 5 and 8) and in each visual state. Each button is
// cut to the window region its renderer gave it, so the region shows as well as the lines.
QImage renderShapeSheet();

} // namespace dorvak
