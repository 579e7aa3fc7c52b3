#include "platform/forms/ReadingOrder.h"

#include <algorithm>
#include <numeric>

namespace dorvak {

std::vector<int> readingOrder(const std::vector<QRect>& places) {
    std::vector<int> order(places.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return places[a].top() < places[b].top(); });
    for (auto line = order.begin(); line != order.end();) {
        const QRect& first = places[*line];
        const auto end = std::find_if(
            line + 1, order.end(), [&](int i) { return places[i].center().y() > first.bottom(); });
        std::stable_sort(line, end,
                         [&](int a, int b) { return places[a].left() < places[b].left(); });
        line = end;
    }
    return order;
}

} // namespace dorvak
