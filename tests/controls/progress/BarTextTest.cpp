#include "controls/progress/BarCaption.h"
#include "controls/progress/BarText.h"
#include "controls/progress/ColorShades.h"
#include "controls/progress/ProgressEnums.h"
#include "platform/Boolean.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <vector>

namespace tirnel {
namespace {

// A canvas with a fixed scale size and a fixed text size that writes down what is measured
// and printed.
class RecordingCanvas : public BarTextCanvas {
public:
    struct PrintCall {
        Color color;
        int x;
        int y;
        QString text;
        friend bool operator==(const PrintCall&, const PrintCall&) = default;
    };

    RecordingCanvas(float sw, float sh, float tw, float th) : mSW(sw), mSH(sh), mTW(tw), mTH(th) {}

    float ScaleWidth() const override { return mSW; }
    float ScaleHeight() const override { return mSH; }
    float TextWidth(const QString&) override {
        ++widthMeasures;
        return mTW;
    }
    float TextHeight(const QString&) override {
        ++heightMeasures;
        return mTH;
    }
    void ForeColor(Color color) override { foreColor = color; }
    void CurrentXY(std::int32_t x, std::int32_t y) override {
        mX = x;
        mY = y;
    }
    void Print(const QString& text) override { prints.push_back({foreColor, mX, mY, text}); }

    int widthMeasures = 0;
    int heightMeasures = 0;
    Color foreColor = 0xABCDEF;
    std::vector<PrintCall> prints;

private:
    float mSW, mSH, mTW, mTH;
    int mX = -999;
    int mY = -999;
};

constexpr Color kInk = RGB(200, 0, 0);
constexpr Color kGlow = RGB(0, 0, 200);

BarTextLook Look(std::int32_t effect, std::int16_t enabled = kTrue) { return {enabled, kInk, kGlow, effect}; }

TEST(BarTextTest, AnchorsOnA200By20SurfaceWithA40By13Text) {
    struct Case {
        std::int32_t anchor;
        int x, y;
        int widthMeasures, heightMeasures;
    };
    // Centre column nearest(100 - 20 - 1) = 79, right nearest(200 - 40 - 3) = 157; middle row
    // nearest(10 - 6.5 - 1) = nearest(2.5) = 2, bottom nearest(20 - 13 - 1) = 6.
    const Case cases[] = {
        {1, 1, 0, 0, 0},     {2, 1, 2, 0, 1},   {3, 1, 6, 0, 1},   {4, 79, 0, 1, 0}, {5, 79, 2, 1, 1},
        {6, 79, 6, 1, 1},    {7, 157, 0, 1, 0}, {8, 157, 2, 1, 1}, {9, 157, 6, 1, 1}, {0, 0, 0, 0, 0},
        {10, 0, 0, 0, 0},    {-5, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        RecordingCanvas canvas(200, 20, 40, 13);
        ASSERT_TRUE(DrawBarText(canvas, "50", c.anchor, Look(EffectNormal)));
        ASSERT_EQ(canvas.prints.size(), 1u) << c.anchor;
        EXPECT_EQ(canvas.prints[0], (RecordingCanvas::PrintCall{kInk, c.x, c.y, "50"})) << "anchor " << c.anchor;
        EXPECT_EQ(canvas.widthMeasures, c.widthMeasures) << "anchor " << c.anchor;
        EXPECT_EQ(canvas.heightMeasures, c.heightMeasures) << "anchor " << c.anchor;
    }
}

TEST(BarTextTest, CentreTiesGoToEven) {
    // 101 / 2 - 40 / 2 - 1 = 29.5 becomes 30; 103 / 2 - 20 - 1 = 30.5 becomes 30.
    RecordingCanvas odd(101, 20, 40, 13);
    DrawBarText(odd, "x", AlignTopCenter, Look(EffectNormal));
    RecordingCanvas odder(103, 20, 40, 13);
    DrawBarText(odder, "x", AlignTopCenter, Look(EffectNormal));
    EXPECT_EQ(odd.prints.at(0).x, 30);
    EXPECT_EQ(odder.prints.at(0).x, 30);
}

TEST(BarTextTest, EffectsPrintInTheirOrderAndEndInTheTextColor) {
    using P = RecordingCanvas::PrintCall;
    const Color grey = RGB(128, 128, 128);
    // Anchor 1 puts the text at (1, 0).
    struct Case {
        std::int32_t effect;
        std::vector<P> prints;
    };
    const Case cases[] = {
        {EffectNormal, {{kInk, 1, 0, "t"}}},
        {EffectRaised, {{kGlow, 0, -1, "t"}, {grey, 2, 1, "t"}, {kInk, 1, 0, "t"}}},
        // The grey copy of the sunken look moves left only.
        {EffectSunken, {{kGlow, 2, 1, "t"}, {grey, 0, 0, "t"}, {kInk, 1, 0, "t"}}},
        {EffectOutline, {{kGlow, 2, 0, "t"}, {kGlow, 0, 0, "t"}, {kGlow, 1, -1, "t"}, {kGlow, 1, 1, "t"}, {kInk, 1, 0, "t"}}},
        {EffectShadow, {{kGlow, 2, 1, "t"}, {kInk, 1, 0, "t"}}},
        {0, {}},
        {6, {}},
    };
    for (const Case& c : cases) {
        RecordingCanvas canvas(200, 20, 40, 13);
        EXPECT_TRUE(DrawBarText(canvas, "t", AlignTopLeft, Look(c.effect)));
        EXPECT_EQ(canvas.prints, c.prints) << "effect " << c.effect;
        EXPECT_EQ(canvas.foreColor, kInk) << "effect " << c.effect;
    }
}

TEST(BarTextTest, DisabledGreysTextAndEffectButNotTheFixedGrey) {
    RecordingCanvas canvas(200, 20, 40, 13);
    const BarTextLook look{kFalse, RGB(255, 0, 0), RGB(200, 100, 50), EffectRaised};
    DrawBarText(canvas, "t", AlignTopLeft, look);
    ASSERT_EQ(canvas.prints.size(), 3u);
    EXPECT_EQ(canvas.prints[0].color, GreyOf(RGB(200, 100, 50)));
    EXPECT_EQ(canvas.prints[1].color, RGB(128, 128, 128));
    EXPECT_EQ(canvas.prints[2].color, RGB(85, 85, 85));
}

TEST(BarTextTest, PositionsBeyond32BitsStopTheText) {
    // An anchor that does not fit prints nothing at all.
    RecordingCanvas huge(5e9f, 20, 40, 13);
    EXPECT_FALSE(DrawBarText(huge, "t", AlignTopRight, Look(EffectNormal)));
    EXPECT_TRUE(huge.prints.empty());
    EXPECT_EQ(huge.foreColor, kInk);

    // The right column lands on the smallest 32-bit value: the outline's (X + 1, Y) is made,
    // its (X - 1, Y) does not fit and ends the effect there.
    RecordingCanvas far(0, 20, 2147483645.0f, 13);
    EXPECT_FALSE(DrawBarText(far, "t", AlignTopRight, Look(EffectOutline)));
    ASSERT_EQ(far.prints.size(), 1u);
    EXPECT_EQ(far.prints[0].x, std::numeric_limits<std::int32_t>::min() + 1);
    EXPECT_EQ(far.foreColor, kInk);
}

TEST(BarCaptionTest, PercentagesKeepFifteenSignificantDigits) {
    struct Case {
        std::optional<double> percent;
        QChar separator;
        const char* text;
    };
    const Case cases[] = {
        {50.0, u'.', "50%"},
        {100.0, u'.', "100%"},
        {0.0, u'.', "0%"},
        {100.0 * 1 / 3, u'.', "33.3333333333333%"},
        {100.0 * 2 / 3, u'.', "66.6666666666667%"},
        {12.5, u',', "12,5%"},
        {100.0 * 1 / 2147483647, u'.', "4.6566128752458E-08%"},
        // Before Max is set there is no percentage to write.
        {std::nullopt, u'.', "%"},
    };
    for (const Case& c : cases) EXPECT_EQ(PercentText(c.percent, c.separator), QLatin1String(c.text)) << c.text;
}

TEST(BarCaptionTest, TextStyleChoosesTheText) {
    EXPECT_EQ(BarCaption(TextValue, 42, 84.0, "free", u'.'), QStringLiteral("42"));
    EXPECT_EQ(BarCaption(TextPercent, 42, 84.0, "free", u'.'), QStringLiteral("84%"));
    EXPECT_EQ(BarCaption(TextCustom, 42, 84.0, "free", u'.'), QStringLiteral("free"));
    for (std::int32_t none : {0, 4, -1}) EXPECT_FALSE(BarCaption(none, 42, 84.0, "free", u'.').has_value()) << none;
}

}  // namespace
}  // namespace tirnel
