// The window's own look on any desktop: its fixed light colours under a dark palette or
// another style, and its own icon.

#include "app/MainF.h"
#include "tests/app/FakeShellServices.h"

#include <QApplication>
#include <QScreen>
#include <QStyle>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace tirnel::test {
namespace {

QRgb Rgb(const QImage& image, QPoint at) { return image.pixel(at) & 0xFFFFFF; }

TEST(MainFLook, TheWindowKeepsItsLightColoursOnADarkDesktop) {
    const struct {
        const char* name;
        const char* style;  // nullptr: as started
        bool dark;          // a dark application palette, as a desktop's dark theme sets
    } desktops[] = {{"normal", nullptr, false}, {"dark", nullptr, true}, {"dark-fusion", "Fusion", true}, {"dark-windows", "Windows", true}};
    const struct {
        QPalette::ColorGroup group;
        QPalette::ColorRole role;
        QRgb rgb;
    } colours[] = {
        {QPalette::Active, QPalette::Window, 0xF0F0F0}, {QPalette::Active, QPalette::WindowText, 0x000000},
        {QPalette::Inactive, QPalette::Base, 0xFFFFFF}, {QPalette::Disabled, QPalette::Text, 0x6D6D6D},
    };
    const QString style = QApplication::style()->name();
    const QPalette palette = QApplication::palette();
    for (const auto& desktop : desktops) {
        SCOPED_TRACE(desktop.name);
        FakeShellServices shell;
        MainF earlier{shell};  // made before the desktop's theme changed
        if (desktop.style) QApplication::setStyle(QString::fromLatin1(desktop.style));
        if (desktop.dark) QApplication::setPalette(QPalette(QColor(0x35, 0x35, 0x35), QColor(0x2A, 0x2A, 0x2A)));
        MainF window{shell};
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        for (QWidget* widget : std::vector<QWidget*>{&earlier, &window, window.Label2, window.txtPsd, window.Text2}) {
            for (const auto& c : colours)
                EXPECT_EQ(widget->palette().color(c.group, c.role).rgb() & 0xFFFFFF, c.rgb) << c.group << "/" << c.role;
        }
        // The back, the inside of the source box, and the option's box, which is the window's back.
        const QImage image = window.grab().toImage();
        EXPECT_EQ(Rgb(image, {1, 197}), 0xF0F0F0u);
        EXPECT_EQ(Rgb(image, {250, 53}), 0xFFFFFFu);
        EXPECT_EQ(Rgb(image, window.opDelFale->mapTo(&window, QPoint(window.opDelFale->width() - 1, 0))), 0xF0F0F0u);
        // TIRNEL_SCREENSHOT=DIR: the window as the screen shows it, into DIR/window-NAME.png.
        if (const char* dir = std::getenv("TIRNEL_SCREENSHOT")) {
            QTest::qWait(200);  // lets the display server put the window up
            window.screen()->grabWindow(window.winId()).save(QStringLiteral("%1/window-%2.png").arg(dir, desktop.name));
        }
        QApplication::setStyle(style);
        QApplication::setPalette(palette);
    }
}

TEST(MainFLook, TheWindowShowsTheProgramsOwnIcon) {
    FakeShellServices shell;
    const QIcon icon = MainF(shell).windowIcon();
    std::vector<int> sizes;
    for (const QSize& size : icon.availableSizes()) sizes.push_back(size.width() * 1000 + size.height());
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes, (std::vector<int>{16016, 24024, 32032, 48048, 64064, 128128, 256256}));
    // The page's blue outline, a third of the way along its top edge.
    EXPECT_EQ(icon.pixmap(48, 48).toImage().pixel(16, 2), 0xFF2A5D9Fu);
}

}  // namespace
}  // namespace tirnel::test
