// tirnel-render --scale for the three controls: without text a picture is the 1× picture with
// each pixel made a block of device pixels; text is printed at the device resolution.

#include "platform/DeviceGrid.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>

namespace tirnel {
namespace {

QImage Render(QStringList arguments, double scale) {
    static QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out.png"));
    QProcess process;
    process.start(QStringLiteral(TIRNEL_BIN_DIR "/tirnel-render"),
                  arguments << "--scale" << QString::number(scale) << "--out" << out);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) return {};
    return QImage(out).convertToFormat(QImage::Format_ARGB32);
}

// The 1× picture with each pixel made the device pixels of its block.
QImage Enlarged(const QImage& image, double scale) {
    const DeviceGrid grid(scale);
    QImage enlarged(grid.Extent(image.width()), grid.Extent(image.height()), QImage::Format_ARGB32);
    for (int y = 0; y < enlarged.height(); ++y)
        for (int x = 0; x < enlarged.width(); ++x)
            enlarged.setPixel(x, y, image.pixel(std::min(grid.PixelAt(x), image.width() - 1),
                                                std::min(grid.PixelAt(y), image.height() - 1)));
    return enlarged;
}

// The 2 x 2 blocks that are not of one colour: an enlarged 1× picture has none.
int MixedBlocks(const QImage& image) {
    int mixed = 0;
    for (int y = 0; y + 1 < image.height(); y += 2)
        for (int x = 0; x + 1 < image.width(); x += 2)
            mixed += image.pixel(x, y) != image.pixel(x + 1, y) || image.pixel(x, y) != image.pixel(x, y + 1) ||
                     image.pixel(x, y) != image.pixel(x + 1, y + 1);
    return mixed;
}

TEST(RenderScaleTest, WithoutTextThePictureIsThe1xPictureInBlocks) {
    struct Case {
        QStringList arguments;
        double scale;
    };
    const Case cases[] = {
        {{"progress", "--size", "200x18", "--set", "TextStyle=0", "--set", "Value=60", "--set", "RoundedValue=9"}, 2},
        {{"progress", "--size", "24x99", "--set", "TextStyle=0", "--set", "Orientations=2", "--set", "Enabled=0"}, 2},
        {{"option", "--size", "81x16", "--set", "Caption=", "--state", "down"}, 2},
        {{"option", "--size", "81x15", "--set", "Caption=", "--set", "Value=True", "--set", "Enabled=0"}, 1.5},
        {{"button", "--size", "73x23", "--set", "Caption=", "--state", "focus"}, 2},
        {{"button", "--size", "73x23", "--set", "Caption=", "--state", "down", "--do", "let:ButtonStyle=2"}, 2},
        {{"button", "--size", "73x23", "--set", "Caption=", "--do", "let:ButtonStyle=14"}, 1.5},
    };
    for (const Case& c : cases) {
        const QImage one = Render(c.arguments, 1);
        ASSERT_FALSE(one.isNull()) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(Render(c.arguments, c.scale) == Enlarged(one, c.scale)) << c.arguments.join(' ').toStdString();
    }
}

TEST(RenderScaleTest, TextIsNotMadeOfBlocks) {
    const QStringList cases[] = {
        {"progress", "--size", "200x18", "--set", "Value=60", "--set", "TextStyle=2"},
        {"option", "--size", "81x16", "--set", "Caption=选项"},
        {"button", "--size", "73x23", "--set", "Caption=确定"},
    };
    for (const QStringList& c : cases) EXPECT_GT(MixedBlocks(Render(c, 2)), 0) << c.join(' ').toStdString();
}

}  // namespace
}  // namespace tirnel
