#pragma once

#include <cstdint>
#include <unordered_map>
#include <utility>

namespace dorvak {

// Maps 32-bit handles to objects. Handles are never reused, so a stale handle stays
// unknown instead of silently reaching a newer object. Each table starts at its own base
// so that a handle of one kind passed where another is expected is unknown as well.
template <typename T> class HandleTable {
public:
    explicit HandleTable(std::uint32_t firstHandle)
        : next_(firstHandle) {}

    std::uint32_t add(T value) {
        const std::uint32_t handle = next_++;
        entries_.emplace(handle, std::move(value));
        return handle;
    }

    T* find(std::uint32_t handle) {
        const auto it = entries_.find(handle);
        return it == entries_.end() ? nullptr : &it->second;
    }

    bool remove(std::uint32_t handle) { return entries_.erase(handle) > 0; }

    std::size_t size() const { return entries_.size(); }

private:
    std::unordered_map<std::uint32_t, T> entries_;
    std::uint32_t next_;
};

} // namespace dorvak
