#pragma once

#include <QRect>
#include <QRegion>
#include <vector>

namespace dorvak {

// Builds a QRegion row by row from horizontal spans. Rows with the same spans as the row
// above are merged into one band, which is the canonical form QRegion compares by.
class SpanRegion {
public:
    // Spans of one row, left to right, not overlapping, rows in increasing y.
    void addRow(int y, const std::vector<std::pair<int, int>>& spans); // [first, last] pairs
    QRegion region();

private:
    void closeBand();

    std::vector<QRect> rects_;
    std::vector<std::pair<int, int>> bandSpans_;
    int bandTop_ = 0;
    int bandBottom_ = -1; // inclusive; below bandTop_ while no band is open
};

} // namespace dorvak
