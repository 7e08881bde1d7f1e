// Where picture and caption go, worked out by hand for a 100 x 30 button with a 40 x 14
// caption and a 16 x 16 picture unless a row says otherwise; the styles move them as their
// rows of the style table say.

#include "controls/button/ButtonEnums.h"
#include "controls/button/ButtonStyleTraits.h"
#include "controls/button/CaptionLayout.h"

#include <gtest/gtest.h>

namespace tirnel {
namespace {

struct LayoutCase {
    const char* name;
    CaptionLayoutInput in;
    std::int64_t picX, picY, textX, textY;
    WideRect caption;
    bool focusMark;
    std::int64_t picWidth = 16, picHeight = 16;
};

CaptionLayoutInput Input(std::int32_t pictureAlign, std::int32_t captionAlign = CaptionCenter,
                         bool picture = true) {
    CaptionLayoutInput in;
    in.width = 100;
    in.height = 30;
    in.textWidth = 40;
    in.textHeight = 14;
    in.picWidth = picture ? 16 : 0;
    in.picHeight = picture ? 16 : 0;
    in.hasPicture = picture;
    in.pictureAlign = pictureAlign;
    in.captionAlign = captionAlign;
    in.placement = StyleTraits(StyleRoundBlue).caption;
    return in;
}

// The input as a button of the style lays it out, pressed or not.
CaptionLayoutInput Styled(CaptionLayoutInput in, std::int32_t style, bool pressed) {
    in.placement = StyleTraits(style).caption;
    in.pressed = pressed;
    return in;
}

CaptionLayoutInput With(CaptionLayoutInput in, auto change) {
    change(in);
    return in;
}

WideRect Plain(std::int64_t x, std::int64_t y) { return {x, y, x + 40, y + 14}; }

TEST(CaptionLayoutTest, PlacesPictureAndCaptionByTheirAlignments) {
    const LayoutCase cases[] = {
        // The nine picture places with a centred caption.
        {"left edge", Input(PicLeftEdge), 4, 7, 38, 8, Plain(38, 8), true},
        {"left of caption", Input(PicLeftOfCaption), 22, 7, 41, 8, Plain(41, 8), true},
        {"right edge: caption centred again", Input(PicRightEdge), 80, 7, 30, 8, Plain(30, 8), true},
        {"right of caption", Input(PicRightOfCaption), 62, 7, 19, 8, Plain(19, 8), true},
        {"centre", Input(PicCenter), 42, 7, 30, 8, Plain(30, 8), true},
        {"top edge", Input(PicTopEdge), 42, 4, 30, 18, Plain(30, 18), true},
        {"above caption, at least 4 down", Input(PicAboveCaption), 42, 4, 30, 18, Plain(30, 18), true},
        {"bottom edge", Input(PicBottomEdge), 42, 10, 30, -2, Plain(30, -2), true},
        {"below caption, at most 4 above the bottom", Input(PicBelowCaption), 42, 10, 30, -2, Plain(30, -2), true},
        {"unknown picture place: all at 0, picture at 1", Input(9), 1, 1, 0, 0, Plain(0, 0), true},
        // The caption's own alignment beside a picture.
        {"left caption, left-of picture", Input(PicLeftOfCaption, CaptionLeft), 4, 7, 24, 8, Plain(24, 8), true},
        {"left caption, right-of picture", Input(PicRightOfCaption, CaptionLeft), 44, 7, 4, 8, Plain(4, 8), true},
        {"left caption, right edge", Input(PicRightEdge, CaptionLeft), 80, 7, 4, 8, Plain(4, 8), true},
        {"right caption, left-of picture", Input(PicLeftOfCaption, CaptionRight), 36, 7, 56, 8, Plain(56, 8), true},
        {"right caption, right-of picture", Input(PicRightOfCaption, CaptionRight), 80, 7, 40, 8, Plain(40, 8),
         true},
        {"right caption, left edge", Input(PicLeftEdge, CaptionRight), 4, 7, 56, 8, Plain(56, 8), true},
        {"unknown caption alignment keeps the placement", Input(PicCenter, 7), 42, 7, 30, 8, Plain(30, 8), true},
        // Without a picture only the caption alignment counts.
        {"caption alone, left", Input(PicLeftOfCaption, CaptionLeft, false), 0, 0, 4, 8, Plain(4, 8), true, 0, 0},
        {"caption alone, right", Input(PicLeftOfCaption, CaptionRight, false), 0, 0, 56, 8, Plain(56, 8), true, 0,
         0},
        {"caption alone, unknown alignment", Input(PicLeftOfCaption, -1, false), 0, 0, 33, 8, Plain(33, 8), true, 0,
         0},
        // The access key's "&" is measured but not drawn.
        {"access key", With(Input(PicCenter), [](auto& in) { in.hasAccessKey = true; }), 42, 7, 33, 8,
         Plain(33, 8), true},
        // Pressed looks move picture and caption.
        {"standard style pressed", Styled(Input(PicCenter), StyleStandard, true), 43, 8, 30, 8, {31, 9, 71, 23},
         false},
        {"outline style at rest", Styled(Input(PicCenter), StyleOutline, false), 41, 6, 30, 8, {28, 6, 68, 20},
         false},
        {"outline style pressed", Styled(Input(PicCenter), StyleOutline, true), 44, 9, 30, 8, {31, 10, 71, 23},
         false},
        {"capsule: caption one row up in every state", Styled(Input(PicCenter), StyleCapsule, true), 42, 7, 30, 8,
         {30, 7, 70, 21}, false},
        {"another style pressed: nothing moves", Styled(Input(PicCenter), StyleRoundBlue, true), 42, 7, 30, 8,
         Plain(30, 8), false},
        // A picture that does not fit is shortened.
        {"picture wider and taller than the button",
         With(Input(PicCenter),
              [](auto& in) {
                  in.width = 20;
                  in.height = 12;
                  in.picWidth = in.picHeight = 32;
              }),
         1, 1, -10, -1, {-10, -1, 30, 13}, true, 12, 8},
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(c.name);
        const CaptionLayout out = LayOutPictureAndCaption(c.in);
        EXPECT_EQ(out.picX, c.picX);
        EXPECT_EQ(out.picY, c.picY);
        EXPECT_EQ(out.textX, c.textX);
        EXPECT_EQ(out.textY, c.textY);
        EXPECT_EQ(out.caption, c.caption);
        EXPECT_EQ(out.picWidth, c.picWidth);
        EXPECT_EQ(out.picHeight, c.picHeight);
        ASSERT_EQ(out.captionFocus.has_value(), c.focusMark);
        if (c.focusMark) {
            EXPECT_EQ(*out.captionFocus, (WideRect{c.textX - 2, c.textY, c.textX + 41, c.textY + 15}));
        }
    }
}

TEST(CaptionLayoutTest, PictureSizesAndHugeButtonsStayInRange) {
    const PictureDrawSize own{48, 40}, previous{7, 9};
    const struct {
        std::int32_t size;
        PictureDrawSize expected;
    } sizes[] = {{PicSizeOriginal, own}, {PicSize16, {16, 16}}, {PicSize24, {24, 24}}, {PicSize32, {32, 32}},
                 {4, previous},          {-1, previous}};
    for (const auto& s : sizes) {
        const PictureDrawSize got = PictureSizeFor(s.size, own, previous);
        EXPECT_EQ(got.width, s.expected.width) << s.size;
        EXPECT_EQ(got.height, s.expected.height) << s.size;
    }
    // Sizes near the 32-bit limit do not wrap: the rectangle comes out clamped to the surface
    // coordinates' range, with its far sides beyond any surface.
    CaptionLayoutInput in = Input(PicRightEdge, CaptionRight);
    in.width = in.textWidth = 0x7FFFFFFF;
    const CaptionLayout out = LayOutPictureAndCaption(in);
    EXPECT_EQ(out.picX, 0x7FFFFFFFLL - 16 - 4);
    const Rect onSurface = ToSurfaceRect(WideRect{-5'000'000'000LL, 0, 5'000'000'000LL, 10});
    EXPECT_EQ(onSurface, (Rect{std::numeric_limits<int>::min(), 0, std::numeric_limits<int>::max(), 10}));
}

}  // namespace
}  // namespace tirnel
