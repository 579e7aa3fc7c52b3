#pragma once

namespace dorvak {

// Makes user controls that carry an accessible caption known to screen readers as push
// buttons named by that caption. Labels and text boxes are read through Qt's own support.
void installAccessibility();
void removeAccessibility();

} // namespace dorvak
