#pragma once
// The button's enumerations. The numbers are what is stored and persisted; a value outside
// a range is kept as it is and each consumer says what it does with it.

#include <cstdint>

namespace tirnel {

enum ButtonStyles : std::int32_t {
    StyleStandard = 0,
    StyleThinEdge = 1,
    StyleRoundBlue = 2,
    StyleSilver = 3,
    StyleSkyGlass = 4,
    StyleOutline = 5,
    StyleShaded = 6,
    StyleAmber = 7,
    StylePaleBlue = 8,
    StyleHotTrack = 9,
    StyleShadedRound = 10,
    StyleHoverEdge = 11,
    StyleFlatHover = 12,
    StyleOrangeHover = 13,
    StyleCapsule = 14,
    StyleGreyGradient = 15,
};
inline constexpr std::int32_t kButtonStyleCount = 16;

// The draw state every renderer gets.
enum ButtonStates : std::int32_t {
    StateNormal = 0,
    StateHover = 1,
    StateDown = 2,
};

enum CaptionAligns : std::int32_t {
    CaptionLeft = 0,
    CaptionCenter = 1,
    CaptionRight = 2,
};

enum PictureAligns : std::int32_t {
    PicLeftEdge = 0,
    PicLeftOfCaption = 1,
    PicRightEdge = 2,
    PicRightOfCaption = 3,
    PicCenter = 4,
    PicTopEdge = 5,
    PicAboveCaption = 6,
    PicBottomEdge = 7,
    PicBelowCaption = 8,
};

enum PictureSizes : std::int32_t {
    PicSizeOriginal = 0,
    PicSize16 = 1,
    PicSize24 = 2,
    PicSize32 = 3,
};

// The directions of PaintGradient.
enum GradientDirections : std::int32_t {
    GradientHorizontal = 0,
    GradientVertical = 1,
    GradientDiagonalDown = 2,
    GradientDiagonalUp = 3,
};

}  // namespace tirnel
