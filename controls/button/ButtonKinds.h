#pragma once

#include <cstdint>

namespace dorvak {

// The Button's enumerated properties. Each holds any 32-bit value it is given: a value
// outside the names below is stored, saved and read back, and matches no case when drawing.

enum class ButtonShape : std::int32_t {
    Rectangle,
    RoundRect,
    Ellipse,
    Diamond,
    TriangleUp,
    TriangleLeft,
    TriangleRight,
    TriangleDown,
    ArrowUp,
    ArrowLeft,
    ArrowRight,
    ArrowDown,
};

// The edge style, with the colours and gradient that go with it.
enum class ButtonStyle : std::int32_t {
    None,         // the colours as given, no edges
    Raised3D,     // raised, sunken when pressed
    LitEdge,      // a lit upper edge
    HoverEdge,    // a lit upper edge while hovered
    Engraved,     // an engraved frame
    Shaded,       // a shaded face, no edges
    Glow,         // glowing edges while hovered or focused
    InnerOutline, // a light inner outline
    SelfColored,  // borders in the face colours
};

// How the face behind the caption is filled.
enum class BackgroundMode : std::int32_t {
    BackTransparent,
    BackSolid,
    BackGradientH,
    BackGradientV,
    BackMirrorV,
    BackMirrorVInverse,
    BackMirrorH,
    BackMirrorHInverse,
};

enum class CaptionEffect : std::int32_t {
    EffectNone,
    EffectRaised,
    EffectShadow,
    EffectOutline,
};

} // namespace dorvak
