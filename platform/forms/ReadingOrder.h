#pragma once

#include <QRect>
#include <vector>

namespace dorvak {

// The order in which a person reads controls placed on a window: line by line from the top,
// each line from the left. A line starts with the topmost control not yet read and takes in
// every control whose middle lies within that control's height, so a caption, its text box and
// a tall picture beside them are read together. Returns the indices of `places` in that order.
std::vector<int> readingOrder(const std::vector<QRect>& places);

} // namespace dorvak
