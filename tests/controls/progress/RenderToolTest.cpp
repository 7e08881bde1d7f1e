// tirnel-render against the bar painted in this process with the same settings.

#include "ProgressTestSupport.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

namespace tirnel {
namespace {

struct Setting {
    const char* key;
    PropertyValue value;
    const char* argument;
};

TEST(RenderToolTest, PngMatchesTheSurfacePaintedInProcess) {
    const QString tool = QStringLiteral(TIRNEL_BIN_DIR "/tirnel-render");
    ASSERT_TRUE(QFileInfo(tool).isExecutable()) << qPrintable(tool);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());

    const std::vector<std::vector<Setting>> looks = {
        {},
        {{"Theme", PropertyValue::Integer(8), "Theme=8"},
         {"Value", PropertyValue::Integer(33), "Value=33"},
         {"TextStyle", PropertyValue::Integer(2), "TextStyle=2"},
         {"TextEffect", PropertyValue::Integer(4), "TextEffect=4"},
         {"TextEffectColor", PropertyValue::Integer(0xFFFFFF), "TextEffectColor=0xFFFFFF"},
         {"RoundedValue", PropertyValue::Integer(9), "RoundedValue=9"}},
        {{"Theme", PropertyValue::Integer(10), "Theme=10"},
         {"PBSCustomeColor1", PropertyValue::Integer(0xFF0000), "PBSCustomeColor1=0xff0000"},
         {"PBSCustomeColor2", PropertyValue::Integer(0xC0FFEE), "PBSCustomeColor2=0xC0FFEE"},
         {"Orientations", PropertyValue::Integer(2), "Orientations=2"},
         {"Enabled", PropertyValue::Boolean(0), "Enabled=False"},
         {"TextStyle", PropertyValue::Integer(3), "TextStyle=3"},
         {"Text", PropertyValue::String("Hi there"), "Text=Hi there"}},
    };
    int index = 0;
    for (const std::vector<Setting>& look : looks) {
        const QString out = dir.filePath(QStringLiteral("bar%1.png").arg(index++));
        QStringList arguments{"progress", "--size", "150x24"};
        PropertyBag bag;
        for (const Setting& setting : look) {
            arguments << "--set" << QString::fromUtf8(setting.argument);
            bag.WriteProperty(setting.key, setting.value);
        }
        arguments << "--out" << out;
        QProcess process;
        process.start(tool, arguments);
        ASSERT_TRUE(process.waitForFinished(60000));
        ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();

        QImage png(out);
        ASSERT_FALSE(png.isNull());
        png = png.convertToFormat(QImage::Format_ARGB32);
        auto bar = test::MakeBar(150, 24, &bag);
        const Surface& surface = bar->DrawingSurface();
        ASSERT_EQ(png.size(), QSize(surface.Width(), surface.Height()));
        const QRegion shape = bar->mask();
        ASSERT_FALSE(shape.isEmpty());
        int transparent = 0;
        for (int y = 0; y < png.height(); ++y) {
            for (int x = 0; x < png.width(); ++x) {
                const QRgb pixel = png.pixel(x, y);
                if (!shape.contains(QPoint(x, y))) {
                    ++transparent;
                    ASSERT_EQ(qAlpha(pixel), 0) << index << ": " << x << "," << y;
                } else {
                    ASSERT_EQ(qAlpha(pixel), 255) << index << ": " << x << "," << y;
                    ASSERT_EQ(FromQRgb(pixel), surface.GetPixel(x, y)) << index << ": " << x << "," << y;
                }
            }
        }
        // At least the last column and row lie outside the window's shape.
        EXPECT_GE(transparent, 150 + 24 - 1);
    }
}

// Bars so small that their round-rectangle shape is empty show nothing at all.
TEST(RenderToolTest, BarsWithAnEmptyShapeAreWhollyTransparent) {
    const QString tool = QStringLiteral(TIRNEL_BIN_DIR "/tirnel-render");
    ASSERT_TRUE(QFileInfo(tool).isExecutable()) << qPrintable(tool);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const char* size : {"1x1", "1x5", "5x1", "1x2", "2x1", "3x3"}) {
        const QString out = dir.filePath(QStringLiteral("bar-%1.png").arg(QLatin1String(size)));
        QProcess process;
        process.start(tool, {"progress", "--size", size, "--out", out});
        ASSERT_TRUE(process.waitForFinished(60000));
        ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
        const QImage png = QImage(out).convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(png.isNull()) << size;
        int shown = 0;
        for (int y = 0; y < png.height(); ++y)
            for (int x = 0; x < png.width(); ++x) shown += qAlpha(png.pixel(x, y)) != 0;
        // 3 x 3 has a shape of 2 x 2 pixels: the empty ones are the only fully clear bars.
        EXPECT_EQ(shown, QLatin1String(size) == QLatin1String("3x3") ? 4 : 0) << size;
    }
}

}  // namespace
}  // namespace tirnel
