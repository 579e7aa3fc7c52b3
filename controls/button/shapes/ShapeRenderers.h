#pragma once

#include "controls/button/shapes/ShapeCanvas.h"

namespace dorvak {

// The renderer of each ButtonShape.
void DrawShapeRectangle(ShapeCanvas& canvas);     // 0
void DrawShapeRoundRect(ShapeCanvas& canvas);     // 1
void DrawShapeEllipse(ShapeCanvas& canvas);       // 2
void DrawShapeDiamond(ShapeCanvas& canvas);       // 3
void DrawShapeTriangleUp(ShapeCanvas& canvas);    // 4
void DrawShapeTriangleLeft(ShapeCanvas& canvas);  // 5
void DrawShapeTriangleRight(ShapeCanvas& canvas); // 6
void DrawShapeTriangleDown(ShapeCanvas& canvas);  // 7
void DrawShapeArrowUp(ShapeCanvas& canvas);       // 8
void DrawShapeArrowLeft(ShapeCanvas& canvas);     // 9
void DrawShapeArrowRight(ShapeCanvas& canvas);    // 10
void DrawShapeArrowDown(ShapeCanvas& canvas);     // 11

// Calls the one renderer of the shape; a shape outside 0..11 draws nothing.
void drawButtonShape(ButtonShape buttonShape, ShapeCanvas& canvas);

} // namespace dorvak
