// tirnel-render button --scale: the faces, shapes and pictures as 2 x 2 blocks of the 1×
// picture, the caption at the device resolution, the steps in 1× pixels; and what --scale
// takes.

#include "tests/support/ScaledPictures.h"
#include "tools/render/PropertyArguments.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <optional>

namespace tirnel::render {
namespace {

TEST(ButtonScaleTest, ScaleTakesANumberFromOneToFour) {
    struct Case {
        const char* text;
        std::optional<double> scale;
    };
    const Case cases[] = {
        {"1", 1.0},         {"2", 2.0},         {"1.5", 1.5},       {"4", 4.0},         {"4.0", 4.0},
        {"0", std::nullopt}, {"0.5", std::nullopt}, {"4.5", std::nullopt}, {"-2", std::nullopt},
        {"x", std::nullopt}, {"2x", std::nullopt},  {"", std::nullopt},    {"1e1", std::nullopt},
        {" 2", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseScale(QString::fromUtf8(c.text)), c.scale) << c.text;
}

QStringList Button(const QString& caption, QStringList more) {
    return QStringList{"button", "--size", "73x23", "--set", "Caption=" + caption} + more;
}

TEST(ButtonScaleTest, WithoutACaptionThePictureIsThe1xPictureInBlocks) {
    QTemporaryDir dir;
    QImage bitmap(5, 3, QImage::Format_RGB32);
    for (int i = 0; i < 15; ++i) bitmap.setPixel(i % 5, i / 5, qRgb(i * 17, 255 - i * 9, i * 5));
    ASSERT_TRUE(bitmap.save(dir.filePath("picture.png")));
    const QString picture = "Picture=bitmap:" + dir.filePath("picture.png");
    const QStringList looks[] = {
        {"--state", "focus"},                                          // standard, focus rectangle
        {"--do", "let:ButtonStyle=2"},                                 // round blue: a round shape
        {"--state", "hover", "--do", "let:ButtonStyle=3"},             // silver
        {"--state", "down", "--do", "let:ButtonStyle=14"},             // capsule
        {"--set", "CheckBoxMode=True", "--set", "Value=True", "--do", "let:ButtonStyle=9"},
        {"--set", picture, "--do", "let:ButtonStyle=6"},               // shaded, with a picture
        {"--set", picture, "--set", "Enabled=False"},                  // a greyed picture
    };
    for (const QStringList& look : looks) {
        const QImage one = test::RenderAtScale(Button(QString(), look), dir.filePath("one.png"), 1);
        const QImage two = test::RenderAtScale(Button(QString(), look), dir.filePath("two.png"), 2);
        ASSERT_FALSE(one.isNull() || two.isNull()) << look.join(' ').toStdString();
        EXPECT_TRUE(two == test::Blocked(one, 2)) << look.join(' ').toStdString();
    }
}

TEST(ButtonScaleTest, TheCaptionIsNotMadeOfBlocks) {
    QTemporaryDir dir;
    const QImage two = test::RenderAtScale(Button(QStringLiteral("确定"), {"--do", "let:ButtonStyle=2"}),
                                           dir.filePath("two.png"), 2);
    ASSERT_FALSE(two.isNull());
    EXPECT_GT(test::MixedBlocks(two, 2, two.rect()), 0);
}

// The steps name 1× pixels at any scale: a press on the cut corner (0, 0) misses, one in the
// middle clicks, and the same events come.
TEST(ButtonScaleTest, StepsStayIn1xPixels) {
    QTemporaryDir dir;
    QStringList events[2];
    for (const int scale : {1, 2}) {
        QProcess process;
        QStringList arguments = Button(QStringLiteral("OK"), {"--do", "let:ButtonStyle=2", "--do", "activate",
                                                               "--do", "press:0,0", "--do", "release:0,0",
                                                               "--do", "press:36,11", "--do", "release:36,11",
                                                               "--events", "-", "--scale", QString::number(scale),
                                                               "--out", dir.filePath("b.png")});
        process.start(QStringLiteral(TIRNEL_BIN_DIR "/tirnel-render"), arguments);
        ASSERT_TRUE(process.waitForFinished(60000));
        ASSERT_EQ(process.exitCode(), 0);
        events[scale - 1] = QString::fromUtf8(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    }
    EXPECT_EQ(events[1], events[0]);
    EXPECT_EQ(events[1].filter(QStringLiteral("Click")).size(), 1);
}

}  // namespace
}  // namespace tirnel::render
