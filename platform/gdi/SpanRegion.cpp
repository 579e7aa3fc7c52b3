#include "platform/gdi/SpanRegion.h"

namespace dorvak {

void SpanRegion::addRow(int y, const std::vector<std::pair<int, int>>& spans) {
    if (bandBottom_ >= bandTop_ && y == bandBottom_ + 1 && spans == bandSpans_) {
        bandBottom_ = y;
        return;
    }
    closeBand();
    if (spans.empty())
        return;
    bandSpans_ = spans;
    bandTop_ = bandBottom_ = y;
}

void SpanRegion::closeBand() {
    if (bandBottom_ < bandTop_)
        return;
    for (const auto& [first, last] : bandSpans_)
        rects_.emplace_back(QPoint(first, bandTop_), QPoint(last, bandBottom_));
    bandBottom_ = bandTop_ - 1;
}

QRegion SpanRegion::region() {
    closeBand();
    QRegion region;
    region.setRects(rects_.data(), int(rects_.size()));
    rects_.clear();
    return region;
}

} // namespace dorvak
