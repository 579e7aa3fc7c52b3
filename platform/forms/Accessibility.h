#pragma once

namespace dorvak {

class Shape;

// What screen readers see of the program's windows, beyond Qt's own support for labels and
// text boxes: windows as frames named by their caption with their controls in reading order,
// user controls that carry an accessible caption as push buttons named by it that offer a
// Press action, named shapes as pictures that show only while nothing hides them, and
// announcements as notifications.
void installAccessibility();
void removeAccessibility();

// Tells screen readers which shapes behind this one it hides or uncovers whenever it is shown
// or hidden.
void followCoverage(Shape& shape);

} // namespace dorvak
