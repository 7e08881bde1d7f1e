// The eight state pictures, and which of them the option shows as the pointer and the
// properties change.

#include "OptionTestSupport.h"

#include <gtest/gtest.h>

#include <optional>

namespace tirnel {
namespace {

using test::FakePointer;
using test::MakeOption;
using test::ShownPicture;

constexpr Color kBlueRing = RGB(35, 86, 130);
constexpr Color kPaleRing = RGB(203, 201, 187);
constexpr Color kAmber = RGB(249, 189, 72);
constexpr Color kGreenDot = RGB(56, 185, 53);
constexpr Color kGreyDot = RGB(192, 191, 181);

Color PixelOf(const PictureObject& picture, int x, int y) { return FromQRgb(picture.Image().pixel(x, y)); }
bool Transparent(const PictureObject& picture, int x, int y) {
    return (picture.Mask().pixel(x, y) & 0xFFFFFFu) != 0;
}
int Brightness(Color c) { return (c & 0xFF) + ((c >> 8) & 0xFF) + ((c >> 16) & 0xFF); }

TEST(StatePicturesTest, EachPictureHasItsLook) {
    struct Case {
        int index;
        Color ring;
        bool amber;
        std::optional<Color> dot;
    };
    const Case cases[] = {
        {0, kBlueRing, false, {}},      {1, kBlueRing, true, {}},      {2, kBlueRing, false, {}},
        {3, kPaleRing, false, {}},      {4, kBlueRing, false, kGreenDot}, {5, kBlueRing, true, kGreenDot},
        {6, kBlueRing, false, kGreenDot}, {7, kPaleRing, false, kGreyDot},
    };
    const PictureRef atRest = StatePicture(0);
    for (const Case& c : cases) {
        const PictureRef picture = StatePicture(c.index);
        ASSERT_TRUE(picture) << c.index;
        EXPECT_EQ(picture->Type(), PictureObject::kIcon);
        EXPECT_EQ(picture->Image().size(), QSize(13, 13));
        // Corners outside the ring are transparent, the ring and the inside are not.
        EXPECT_TRUE(Transparent(*picture, 0, 0) && Transparent(*picture, 12, 12)) << c.index;
        EXPECT_FALSE(Transparent(*picture, 0, 6) || Transparent(*picture, 6, 1)) << c.index;
        EXPECT_EQ(PixelOf(*picture, 0, 6), c.ring) << c.index;
        EXPECT_EQ(PixelOf(*picture, 6, 0), c.ring) << c.index;
        EXPECT_EQ(PixelOf(*picture, 1, 6) == kAmber, c.amber) << c.index;
        EXPECT_EQ(PixelOf(*picture, 6, 6) == c.dot, c.dot.has_value()) << c.index;
        if (!c.dot) {
            EXPECT_GT(Brightness(PixelOf(*picture, 6, 6)), 3 * 190) << "light inside " << c.index;
        }
    }
    // Pressed: the inside is darker than at rest, row by row.
    for (const int off : {0, 4})
        for (int y = 2; y <= 10; ++y)
            EXPECT_LT(Brightness(PixelOf(*StatePicture(2 + off), 4, y)), Brightness(PixelOf(*atRest, 4, y))) << y;
    EXPECT_FALSE(StatePicture(8));
    EXPECT_FALSE(StatePicture(-1));
}

TEST(StatePicturesTest, SurfaceShowsThePictureOfTheState) {
    FakePointer pointer;
    QWidget window;
    window.resize(200, 60);
    ua* option = MakeOption(&window, "opt", "", {10, 10, 120, 20}, pointer);
    test::ShowWindow(window);
    pointer.Over(*option, {60, 10});
    const QPoint onSurface(60, 10);

    struct Step {
        const char* what;
        std::function<void()> act;
        int shown;
    };
    const Step steps[] = {
        {"at rest, off", [] {}, 0},
        {"pointer over it", [&] { QTest::mouseMove(option, onSurface); }, 1},
        {"left button down", [&] { QTest::mousePress(option, Qt::LeftButton, {}, onSurface); }, 2},
        {"moved with the button held", [&] { QTest::mouseMove(option, onSurface + QPoint(1, 0)); }, 2},
        {"released: a click, at rest and on", [&] { QTest::mouseRelease(option, Qt::LeftButton, {}, onSurface); }, 4},
        {"pointer over it, on", [&] { QTest::mouseMove(option, onSurface + QPoint(2, 0)); }, 5},
        {"right button down, on", [&] { QTest::mousePress(option, Qt::RightButton, {}, onSurface); }, 6},
        {"released: no click, unchanged", [&] { QTest::mouseRelease(option, Qt::RightButton, {}, onSurface); }, 6},
        {"disabled, on", [&] { option->Enabled(kFalse); }, 7},
        {"disabled, off", [&] { option->Value(kFalse); }, 3},
        {"enabled again", [&] { option->Enabled(kTrue); }, 0},
        {"on from code", [&] { option->Value(kTrue); }, 4},
        {"other back colour shows at the corners", [&] { option->BackColor(RGB(255, 0, 0)); }, 4},
    };
    for (const Step& step : steps) {
        step.act();
        EXPECT_EQ(ShownPicture(*option), step.shown) << step.what;
    }
}

TEST(StatePicturesTest, CaptionTakesTheDisabledColorUntilEnabledAgain) {
    FakePointer pointer;
    QWidget window;
    ua* option = MakeOption(&window, "opt", "", {0, 0, 200, 40}, pointer);
    option->Font(FontObject::Create(QStringLiteral("DejaVu Sans"), 20));
    option->Font()->Bold(kTrue);
    option->Caption(QStringLiteral("HI"));
    // The darkest pixel of the caption: where a stroke covers a whole pixel, its colour.
    auto darkest = [&] {
        const Rect r = option->CaptionPart().Bounds;
        Color found = TranslateColor(option->BackColor());
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                if (Brightness(option->DrawingSurface().GetPixel(x, y)) < Brightness(found))
                    found = option->DrawingSurface().GetPixel(x, y);
        return found;
    };
    const Color blue = RGB(0, 0, 200);
    option->ForeColor(blue);
    EXPECT_EQ(darkest(), blue);
    option->Enabled(kFalse);
    EXPECT_EQ(option->CaptionPart().ForeColor, ua::kDisabledCaptionColor);
    EXPECT_EQ(darkest(), ua::kDisabledCaptionColor);
    option->ForeColor(RGB(10, 10, 10));  // kept for later, not shown while disabled
    EXPECT_EQ(darkest(), ua::kDisabledCaptionColor);
    option->Enabled(kTrue);
    EXPECT_EQ(darkest(), RGB(10, 10, 10));
}

}  // namespace
}  // namespace tirnel
