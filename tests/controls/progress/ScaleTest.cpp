// tirnel-render progress --scale 2: the bar's shapes as 2 x 2 blocks of the 1× picture, its
// text at the device resolution with the effects' offsets still in 1× pixels.

#include "tests/support/ScaledPictures.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace tirnel {
namespace {

QStringList Bar(const char* size, QStringList settings) {
    QStringList arguments{"progress", "--size", size};
    for (const QString& setting : settings) arguments << "--set" << setting;
    return arguments;
}

TEST(ProgressScaleTest, WithoutTextThePictureIsThe1xPictureInBlocks) {
    QTemporaryDir dir;
    const QStringList looks[] = {
        Bar("200x18", {"Theme=8", "Value=60", "TextStyle=0", "RoundedValue=9"}),
        Bar("24x120", {"Theme=3", "Value=40", "TextStyle=0", "Orientations=2"}),
        Bar("150x24", {"Theme=10", "Value=70", "TextStyle=0", "PBSCustomeColor1=0xFF0000", "Enabled=False"}),
    };
    for (const QStringList& look : looks) {
        const QImage one = test::RenderAtScale(look, dir.filePath("one.png"), 1);
        const QImage two = test::RenderAtScale(look, dir.filePath("two.png"), 2);
        ASSERT_FALSE(one.isNull() || two.isNull()) << look.join(' ').toStdString();
        EXPECT_TRUE(two == test::Blocked(one, 2)) << look.join(' ').toStdString();
    }
}

// How far each effect reaches beyond the text itself (left, top, right, bottom), in device
// pixels: one 1× pixel, which is two at ratio 2.
TEST(ProgressScaleTest, EffectOffsetsStayOne1xPixel) {
    struct Case {
        int effect;
        int scale;
        QMargins reach;
    };
    const Case cases[] = {
        {2, 1, {1, 1, 1, 1}}, {2, 2, {2, 2, 2, 2}},  // raised
        {3, 1, {1, 0, 1, 1}}, {3, 2, {2, 0, 2, 2}},  // sunken: the grey copy moves left only
        {4, 1, {1, 1, 1, 1}}, {4, 2, {2, 2, 2, 2}},  // outline
        {5, 1, {0, 0, 1, 1}}, {5, 2, {0, 0, 2, 2}},  // shadow
    };
    QTemporaryDir dir;
    const QStringList bar = {"Theme=8", "Value=100", "TextStyle=3", "Text=文本 12", "TextAlignment=5",
                             "TextForeColor=0x000000", "TextEffectColor=0xFFFFFF"};
    for (const Case& c : cases) {
        const QImage bare = test::RenderAtScale(Bar("200x24", bar + QStringList{"TextStyle=0"}), dir.filePath("b.png"),
                                                c.scale);
        const QImage plain = test::RenderAtScale(Bar("200x24", bar + QStringList{"TextEffect=1"}),
                                                 dir.filePath("p.png"), c.scale);
        const QImage effect = test::RenderAtScale(
            Bar("200x24", bar + QStringList{QStringLiteral("TextEffect=%1").arg(c.effect)}), dir.filePath("e.png"),
            c.scale);
        ASSERT_FALSE(bare.isNull() || plain.isNull() || effect.isNull());
        const QRect text = test::Differing(bare, plain);
        ASSERT_FALSE(text.isEmpty());
        EXPECT_EQ(test::Differing(bare, effect), text + c.reach) << c.effect << " at " << c.scale;
    }
}

TEST(ProgressScaleTest, TheTextIsNotMadeOfBlocks) {
    QTemporaryDir dir;
    const QImage two = test::RenderAtScale(Bar("200x18", {"Theme=8", "Value=60", "TextStyle=2", "TextEffect=2"}),
                                           dir.filePath("two.png"), 2);
    ASSERT_FALSE(two.isNull());
    EXPECT_GT(test::MixedBlocks(two, 2, two.rect()), 0);
}

}  // namespace
}  // namespace tirnel
