// tirnel-render draws the option in its pointer states.

#include "OptionTestSupport.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

namespace tirnel {
namespace {

TEST(RenderToolTest, DrawsTheOptionInEachPointerState) {
    const QString tool = QStringLiteral(TIRNEL_BIN_DIR "/tirnel-render");
    if (!QFileInfo(tool).isExecutable()) GTEST_SKIP() << "tirnel-render is not built";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    struct Case {
        const char* state;
        bool on;
        int shown;
    };
    const Case cases[] = {
        {"normal", false, 0}, {"hover", false, 1}, {"down", false, 2},
        {"normal", true, 4},  {"hover", true, 5},  {"down", true, 6},
    };
    for (const Case& c : cases) {
        const QString out = dir.filePath(QStringLiteral("%1-%2.png").arg(QLatin1String(c.state)).arg(c.on));
        QProcess process;
        process.start(tool, {"option", "--size", "90x20", "--state", c.state, "--set",
                             c.on ? "Value=True" : "Value=False", "--out", out});
        ASSERT_TRUE(process.waitForFinished(60000));
        ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
        const QImage png(out);
        ASSERT_EQ(png.size(), QSize(90, 20));
        // 300 twips high: the picture stands (300 - 240) \ 2 = 30 twips, 2 pixels, down.
        const int shown = test::ShownPictureAt([&](int x, int y) { return FromQRgb(png.pixel(x, y)); }, {0, 2},
                                               TranslateColor(ua::kDefaultBackColor));
        EXPECT_EQ(shown, c.shown) << c.state << " " << c.on;
    }
    QProcess wrong;
    wrong.start(tool, {"option", "--size", "90x20", "--state", "pressed", "--out", dir.filePath("x.png")});
    ASSERT_TRUE(wrong.waitForFinished(60000));
    EXPECT_EQ(wrong.exitCode(), 2);
}

}  // namespace
}  // namespace tirnel
