// tirnel-render option --scale 2: the state picture as 2 x 2 blocks of the 1× picture, the
// caption at the device resolution.

#include "tests/support/ScaledPictures.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace tirnel {
namespace {

QStringList Option(const QString& caption, const char* state, const char* value, const char* enabled) {
    return {"option", "--size", "81x16", "--state", state, "--set", "Caption=" + caption,
            "--set", QStringLiteral("Value=%1").arg(value), "--set", QStringLiteral("Enabled=%1").arg(enabled)};
}

TEST(OptionScaleTest, WithoutACaptionThePictureIsThe1xPictureInBlocks) {
    struct Case {
        const char* state;
        const char* value;
        const char* enabled;
    };
    const Case cases[] = {
        {"normal", "False", "True"}, {"hover", "False", "True"}, {"down", "True", "True"},
        {"normal", "True", "False"},
    };
    QTemporaryDir dir;
    for (const Case& c : cases) {
        const QStringList arguments = Option(QString(), c.state, c.value, c.enabled);
        const QImage one = test::RenderAtScale(arguments, dir.filePath("one.png"), 1);
        const QImage two = test::RenderAtScale(arguments, dir.filePath("two.png"), 2);
        ASSERT_FALSE(one.isNull() || two.isNull()) << c.state;
        EXPECT_TRUE(two == test::Blocked(one, 2)) << c.state << " " << c.value << " " << c.enabled;
    }
}

// The caption stands at 300 twips (20 pixels, 40 device pixels); left of it only the picture.
TEST(OptionScaleTest, TheCaptionIsNotMadeOfBlocks) {
    QTemporaryDir dir;
    const QStringList arguments = Option(QStringLiteral("选项"), "normal", "True", "True");
    const QImage one = test::RenderAtScale(arguments, dir.filePath("one.png"), 1);
    const QImage two = test::RenderAtScale(arguments, dir.filePath("two.png"), 2);
    ASSERT_FALSE(one.isNull() || two.isNull());
    const QRect picture(0, 0, 40, 32);
    EXPECT_TRUE(two.copy(picture) == test::Blocked(one, 2).copy(picture));
    EXPECT_GT(test::MixedBlocks(two, 2, QRect(40, 0, 122, 32)), 0);
}

}  // namespace
}  // namespace tirnel
