#pragma once

#include "platform/gdi/Handle.h"

#include <QtGlobal>
#include <cstdint>
#include <stdexcept>
#include <unordered_map>
#include <utility>

namespace dorvak {

// The numbers one kind of handle is drawn from, first to last inclusive.
struct HandleRange {
    std::uint32_t first;
    std::uint32_t last;
};

// Each kind draws from numbers of its own, so that a handle of one kind passed where another
// is expected is unknown; none of them is 0, the null handle.
inline constexpr HandleRange windowHandles{0x00010001, 0x03FFFFFF};
inline constexpr HandleRange gdiObjectHandles{0x04000001, 0x0DBFFFFF};
inline constexpr HandleRange deviceContextHandles{0x0DC00001, 0xFFFFFFFF};

static_assert(windowHandles.first > 0 && windowHandles.first <= windowHandles.last);
static_assert(windowHandles.last < gdiObjectHandles.first);
static_assert(gdiObjectHandles.first <= gdiObjectHandles.last);
static_assert(gdiObjectHandles.last < deviceContextHandles.first);
static_assert(deviceContextHandles.first <= deviceContextHandles.last);

// Maps 32-bit handles of one kind (Handle<Tag>) to objects. A handle is not reused before the table
// has handed out every other number of its range, so a stale handle stays unknown instead of
// silently reaching a newer object; past the last number the table starts over at the first,
// skipping the handles still in use.
template <typename H, typename T> class HandleTable {
public:
    explicit HandleTable(HandleRange range)
        : range_(range)
        , next_(range.first) {
        Q_ASSERT(range.first > 0 && range.first <= range.last);
    }

    // Raises std::length_error when every number of the range is in use.
    H add(T value) {
        if (entries_.size() > std::uint64_t(range_.last) - range_.first)
            throw std::length_error("every handle number is in use");
        while (entries_.contains(next_))
            advance();
        const std::uint32_t handle = next_;
        advance();
        // What tells the kinds apart at run time: every handle stays within its own range.
        Q_ASSERT(handle >= range_.first && handle <= range_.last && handle != 0);
        entries_.emplace(handle, std::move(value));
        return H(handle);
    }

    T* find(H handle) {
        const auto it = entries_.find(handle.value);
        return it == entries_.end() ? nullptr : &it->second;
    }

    bool remove(H handle) { return entries_.erase(handle.value) > 0; }

    std::size_t size() const { return entries_.size(); }

private:
    void advance() { next_ = next_ == range_.last ? range_.first : next_ + 1; }

    std::unordered_map<std::uint32_t, T> entries_;
    HandleRange range_;
    std::uint32_t next_;
};

} // namespace dorvak
