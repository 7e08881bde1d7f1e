// The state pictures as data: one shape table saying what each pixel is (outside, ring,
// inner ring, inside, dot), and one colour table per look.

#include "controls/option/StatePictures.h"

#include "platform/Colors.h"

#include <QImage>

#include <array>
#include <optional>

namespace tirnel {

namespace {

// '.' outside (transparent), 'o' ring, 'h' inner ring, 'i' inside, 'd' dot.
constexpr std::array<const char*, kStatePictureSize> kShape = {{
    "....ooooo....",
    "..oohhhhhoo..",
    ".ohhiiiiihho.",
    ".ohiiiiiiiho.",
    "ohiiidddiiiho",
    "ohiidddddiiho",
    "ohiidddddiiho",
    "ohiidddddiiho",
    "ohiiidddiiiho",
    ".ohiiiiiiiho.",
    ".ohhiiiiihho.",
    "..oohhhhhoo..",
    "....ooooo....",
}};

constexpr Color kRingBlue = RGB(35, 86, 130);
constexpr Color kRingPale = RGB(203, 201, 187);
constexpr Color kHoverAmber = RGB(249, 189, 72);
constexpr Color kDotGreen = RGB(56, 185, 53);
constexpr Color kDotGrey = RGB(192, 191, 181);

struct LookColors {
    Color ring;
    std::optional<Color> innerRing;  // none: the inner ring is inside
    Color insideTop;                 // the inside shades from the top row to the bottom row
    Color insideBottom;
    Color dot;  // when on
};

// Indexed by StateLook.
constexpr std::array<LookColors, 4> kLooks = {{
    {kRingBlue, std::nullopt, RGB(220, 220, 215), RGB(255, 255, 255), kDotGreen},
    {kRingBlue, kHoverAmber, RGB(220, 220, 215), RGB(255, 255, 255), kDotGreen},
    {kRingBlue, std::nullopt, RGB(176, 176, 167), RGB(227, 226, 218), kDotGreen},
    {kRingPale, std::nullopt, RGB(244, 243, 238), RGB(244, 243, 238), kDotGrey},
}};

// The inside rows run from 1 to 11.
constexpr int kFirstInsideRow = 1;
constexpr int kInsideRows = kStatePictureSize - 3;

int Channel(Color color, int shift) { return static_cast<int>((color >> shift) & 0xFF); }

Color InsideShade(const LookColors& look, int row) {
    const int step = row - kFirstInsideRow;
    auto mix = [&](int shift) {
        const int top = Channel(look.insideTop, shift);
        return top + (Channel(look.insideBottom, shift) - top) * step / kInsideRows;
    };
    return RGB(mix(0), mix(8), mix(16));
}

std::optional<Color> PixelColor(const LookColors& look, bool on, char kind, int row) {
    switch (kind) {
        case 'o': return look.ring;
        case 'h': return look.innerRing.value_or(InsideShade(look, row));
        case 'd': return on ? look.dot : InsideShade(look, row);
        case 'i': return InsideShade(look, row);
        default: return std::nullopt;
    }
}

PictureRef MakeStatePicture(int index) {
    const LookColors& look = kLooks[static_cast<std::size_t>(index % 4)];
    const bool on = index >= 4;
    // As the platform keeps an icon: colour pixels black where the mask is set (transparent).
    QImage image(kStatePictureSize, kStatePictureSize, QImage::Format_RGB32);
    QImage mask(kStatePictureSize, kStatePictureSize, QImage::Format_RGB32);
    for (int y = 0; y < kStatePictureSize; ++y) {
        for (int x = 0; x < kStatePictureSize; ++x) {
            const std::optional<Color> color = PixelColor(look, on, kShape[static_cast<std::size_t>(y)][x], y);
            image.setPixel(x, y, color ? ToQRgb(*color) : qRgb(0, 0, 0));
            mask.setPixel(x, y, color ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
        }
    }
    return PictureObject::Icon(std::move(image), std::move(mask));
}

}  // namespace

PictureRef StatePicture(int index) {
    static const std::array<PictureRef, kStatePictureCount> kPictures = [] {
        std::array<PictureRef, kStatePictureCount> pictures;
        for (int i = 0; i < kStatePictureCount; ++i) pictures[static_cast<std::size_t>(i)] = MakeStatePicture(i);
        return pictures;
    }();
    if (index < 0 || index >= kStatePictureCount) return nullptr;
    return kPictures[static_cast<std::size_t>(index)];
}

}  // namespace tirnel
