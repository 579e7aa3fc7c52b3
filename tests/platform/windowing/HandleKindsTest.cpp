#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Regions.h"
#include "platform/windowing/WindowRegistry.h"
#include "platform/windowing/WindowShape.h"

#include <QWidget>
#include <gtest/gtest.h>
#include <type_traits>
#include <unordered_set>

namespace dorvak {
namespace {

// Swapped handle arguments do not compile: no kind converts into another, nor from or to a
// plain number. Regions and bitmaps are GDI objects for DeleteObject, not the other way round.
static_assert(!std::is_convertible_v<HDC, HWND>);
static_assert(!std::is_convertible_v<HWND, HDC>);
static_assert(!std::is_convertible_v<HWND, HRGN>);
static_assert(!std::is_convertible_v<HRGN, HWND>);
static_assert(!std::is_convertible_v<HDC, HGDIOBJ>);
static_assert(!std::is_convertible_v<HWND, HGDIOBJ>);
static_assert(!std::is_convertible_v<HCURSOR, HWND>);
static_assert(!std::is_convertible_v<HRGN, HBITMAP>);
static_assert(!std::is_convertible_v<HBITMAP, HRGN>);
static_assert(!std::is_convertible_v<HGDIOBJ, HRGN>);
static_assert(!std::is_convertible_v<HGDIOBJ, HBITMAP>);
static_assert(std::is_convertible_v<HRGN, HGDIOBJ>);
static_assert(std::is_convertible_v<HBITMAP, HGDIOBJ>);
static_assert(!std::is_convertible_v<std::uint32_t, HRGN>);
static_assert(!std::is_convertible_v<HRGN, std::uint32_t>);
static_assert(!std::is_convertible_v<HDC, bool>);
static_assert(!std::is_constructible_v<HRGN, HBITMAP>);
static_assert(!std::is_constructible_v<HDC, HWND>);
// The literal 0 is the null handle of every kind.
static_assert(std::is_convertible_v<std::nullptr_t, HRGN>);
static_assert(HWND() == 0 && !HWND() && HWND(7) != 0);
// A region has one owner.
static_assert(!std::is_copy_constructible_v<OwnedRegion>);
static_assert(!std::is_copy_assignable_v<OwnedRegion>);
static_assert(std::is_nothrow_move_constructible_v<OwnedRegion>);
static_assert(!std::is_convertible_v<HRGN, OwnedRegion>);

bool exists(HRGN region) {
    return findGdiObject<QRegion>(region) != nullptr;
}

TEST(HandleKinds, HandlesOfOneKindHashAndCompareByTheirNumber) {
    const std::unordered_set<HWND> windows{HWND(1), HWND(2), HWND(1)};
    EXPECT_EQ(windows.size(), 2u);
    EXPECT_TRUE(windows.contains(HWND(2)));
    const HRGN region = CreateRectRgn(0, 0, 1, 1);
    const HGDIOBJ object = region;
    EXPECT_EQ(object.value, region.value) << "widening keeps the number";
    EXPECT_TRUE(DeleteObject(region));
}

TEST(OwnedRegion, DeletesItsRegionUnlessMovedOnOrReleased) {
    HRGN first = 0, second = 0;
    {
        OwnedRegion owner(CreateRectRgn(0, 0, 2, 2));
        first = owner.get();
        ASSERT_TRUE(exists(first));

        OwnedRegion moved(std::move(owner));
        EXPECT_FALSE(owner) << "the moved-from owner holds nothing";
        EXPECT_EQ(moved.get(), first);
        EXPECT_TRUE(exists(first)) << "moving deletes nothing";

        OwnedRegion other(CreateRectRgn(0, 0, 3, 3));
        second = other.get();
        other = std::move(moved);
        EXPECT_FALSE(exists(second)) << "assigning deletes the region held before";
        EXPECT_TRUE(exists(first));
    }
    EXPECT_FALSE(exists(first)) << "the last owner deleted it";

    OwnedRegion released(CreateRectRgn(0, 0, 1, 1));
    const HRGN kept = released.release();
    EXPECT_FALSE(released);
    EXPECT_TRUE(exists(kept)) << "released, so no owner deletes it";
    EXPECT_TRUE(DeleteObject(kept));
}

TEST(OwnedRegion, AWindowTakesItOverAndAFailedCallDeletesIt) {
    QWidget widget;
    widget.resize(10, 10);
    const HWND hWnd = registerWindow(&widget);

    OwnedRegion shape(CreateRectRgn(0, 0, 4, 4));
    const HRGN handle = shape.get();
    ASSERT_EQ(SetWindowRgn(hWnd, std::move(shape), false), 1);
    EXPECT_EQ(widget.mask(), QRegion(0, 0, 4, 4));
    EXPECT_FALSE(exists(handle)) << "the window took it out of the table";
    EXPECT_FALSE(DeleteObject(handle));

    OwnedRegion refused(CreateRectRgn(0, 0, 2, 2));
    const HRGN refusedHandle = refused.get();
    EXPECT_EQ(SetWindowRgn(HWND(0xBAD), std::move(refused), false), 0);
    EXPECT_FALSE(exists(refusedHandle)) << "no window took it, so it was deleted";
    EXPECT_EQ(widget.mask(), QRegion(0, 0, 4, 4));

    EXPECT_EQ(SetWindowRgn(hWnd, OwnedRegion(), false), 1);
    EXPECT_TRUE(widget.mask().isEmpty()) << "no region removes the shape";
}

} // namespace
} // namespace dorvak
