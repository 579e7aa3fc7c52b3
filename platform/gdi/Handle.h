#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <type_traits>

namespace dorvak {

// A 32-bit handle of one kind. Each kind is a type of its own, so that a device context
// passed where a window is expected does not compile; 0 (or a default handle) is the null
// handle of every kind. A kind whose Tag names `widens_to` converts implicitly to that more
// general kind (a region to a GDI object), never back.
template <typename Tag> struct Handle {
    std::uint32_t value = 0;

    constexpr Handle() = default;
    // `HRGN region = 0;` and `return 0;` read as in the classic calls; only the literal 0
    // converts, not an integer variable.
    constexpr Handle(std::nullptr_t) {}
    // Written without concepts, which moc cannot read.
    template <typename Number, std::enable_if_t<std::is_integral_v<Number>, int> = 0>
    constexpr explicit Handle(Number number)
        : value(std::uint32_t(number)) {}

    constexpr explicit operator bool() const { return value != 0; }
    friend constexpr bool operator==(Handle, Handle) = default;

    template <typename General, typename Kind = Tag,
              std::enable_if_t<std::is_same_v<General, Handle<typename Kind::widens_to>>, int> = 0>
    constexpr operator General() const {
        return General(value);
    }
};

template <typename Char, typename Traits, typename Tag>
std::basic_ostream<Char, Traits>& operator<<(std::basic_ostream<Char, Traits>& out,
                                             Handle<Tag> handle) {
    return out << handle.value;
}

} // namespace dorvak

template <typename Tag> struct std::hash<dorvak::Handle<Tag>> {
    std::size_t operator()(dorvak::Handle<Tag> handle) const noexcept {
        return std::hash<std::uint32_t>()(handle.value);
    }
};
