// The window's own look on any desktop: its fixed light colours under a dark palette or
// another style, and its own icon.

#include "app/MainF.h"
#include "tests/app/FakeShellServices.h"

#include <QApplication>
#include <QImage>
#include <QScreen>
#include <QStyle>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace tirnel::test {
namespace {

// A desktop's dark theme as it reaches the program: the application's palette, and its style.
QPalette DarkPalette() {
    QPalette dark(QColor(0x35, 0x35, 0x35), QColor(0x35, 0x35, 0x35));
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(role, QColor(0xEE, 0xEE, 0xEE));
    dark.setColor(QPalette::Base, QColor(0x2A, 0x2A, 0x2A));
    dark.setColor(QPalette::Highlight, QColor(0x3D, 0xAE, 0xE9));
    return dark;
}

// Puts the application's style and palette back when the test is done.
class DesktopTheme {
public:
    DesktopTheme() : mStyle(QApplication::style()->name()), mPalette(QApplication::palette()) {}
    ~DesktopTheme() {
        QApplication::setStyle(mStyle);
        QApplication::setPalette(mPalette);
    }
    void Take(const char* style, bool dark) {
        if (style) QApplication::setStyle(QString::fromLatin1(style));
        if (dark) QApplication::setPalette(DarkPalette());
    }

private:
    QString mStyle;
    QPalette mPalette;
};

QRgb Rgb(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }

// The darkest pixel of a rectangle, as grey level.
int Darkest(const QImage& image, const QRect& rect) {
    int darkest = 255;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x) darkest = std::min(darkest, qGray(image.pixel(x, y)));
    return darkest;
}

// TIRNEL_SCREENSHOT=DIR: the window as the screen shows it, into DIR/window-NAME.png.
void SaveScreenshot(MainF& window, const char* name) {
    const char* dir = std::getenv("TIRNEL_SCREENSHOT");
    if (!dir) return;
    QTest::qWait(200);  // lets the display server put the window up
    const QPixmap shot = window.screen()->grabWindow(window.winId());
    shot.save(QString::fromLocal8Bit(dir) + QStringLiteral("/window-%1.png").arg(QString::fromLatin1(name)));
}

TEST(MainFLook, TheWindowKeepsItsLightColoursOnADarkDesktop) {
    const struct {
        const char* name;
        const char* style;  // nullptr: as started
        bool dark;
    } desktops[] = {
        {"normal", nullptr, false},
        {"dark", nullptr, true},
        {"dark-fusion", "Fusion", true},
        {"dark-windows", "Windows", true},
    };
    // The system colours, in every widget of the window.
    const struct {
        QPalette::ColorGroup group;
        QPalette::ColorRole role;
        QRgb rgb;
    } colours[] = {
        {QPalette::Active, QPalette::Window, 0xF0F0F0},
        {QPalette::Active, QPalette::WindowText, 0x000000},
        {QPalette::Active, QPalette::Base, 0xFFFFFF},
        {QPalette::Active, QPalette::Text, 0x000000},
        {QPalette::Active, QPalette::Button, 0xF0F0F0},
        {QPalette::Active, QPalette::Highlight, 0x0078D7},
        {QPalette::Active, QPalette::HighlightedText, 0xFFFFFF},
        {QPalette::Active, QPalette::PlaceholderText, 0x6D6D6D},
        {QPalette::Inactive, QPalette::Window, 0xF0F0F0},
        {QPalette::Inactive, QPalette::Text, 0x000000},
        {QPalette::Inactive, QPalette::Highlight, 0x0078D7},
        {QPalette::Disabled, QPalette::Base, 0xFFFFFF},
        {QPalette::Disabled, QPalette::Text, 0x6D6D6D},
        {QPalette::Disabled, QPalette::WindowText, 0x6D6D6D},
        {QPalette::Disabled, QPalette::Window, 0xF0F0F0},
    };
    for (const auto& desktop : desktops) {
        SCOPED_TRACE(desktop.name);
        DesktopTheme theme;
        FakeShellServices shell;
        MainF earlier{shell};  // made before the desktop's theme changed
        theme.Take(desktop.style, desktop.dark);
        MainF window{shell};
        window.move(100, 100);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        for (MainF* w : {&earlier, &window}) {
            for (QWidget* widget : std::vector<QWidget*>{w, w->Picture1, w->Label2, w->txtPsd, w->Text2}) {
                for (const auto& c : colours) {
                    EXPECT_EQ(widget->palette().color(c.group, c.role).rgb() & 0xFFFFFF, c.rgb)
                        << widget->objectName().toStdString() << " group " << c.group << " role " << c.role;
                }
            }
        }
        const QImage image = window.grab().toImage();
        EXPECT_EQ(Rgb(image, 1, 197), 0xF0F0F0u) << "the window's back";
        EXPECT_EQ(Rgb(image, 250, 53), 0xFFFFFFu) << "inside the source box";
        EXPECT_EQ(Rgb(image, 130, 117), 0xFFFFFFu) << "inside the size box, right of 100";
        EXPECT_LT(Darkest(image, window.Label2->geometry()), 64) << "the label's text is dark";
        const QPoint optionCorner = window.opDelFale->mapTo(&window, QPoint(window.opDelFale->width() - 1, 0));
        EXPECT_EQ(Rgb(image, optionCorner.x(), optionCorner.y()), 0xF0F0F0u) << "the option's box is the window's back";
        SaveScreenshot(window, desktop.name);
    }
}

TEST(MainFLook, TheWindowShowsTheProgramsOwnIcon) {
    FakeShellServices shell;
    MainF window{shell};
    const QIcon icon = window.windowIcon();
    std::vector<int> sizes;
    for (const QSize& size : icon.availableSizes()) {
        EXPECT_EQ(size.width(), size.height());
        sizes.push_back(size.width());
    }
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes, (std::vector<int>{16, 24, 32, 48, 64, 128, 256}));
    EXPECT_TRUE(icon.name().isEmpty()) << "not a theme's icon";
    // The page's blue outline, a third of the way along its top edge, at 48 pixels.
    const QImage image = icon.pixmap(48, 48).toImage();
    ASSERT_EQ(image.size(), QSize(48, 48));
    EXPECT_EQ(image.pixel(16, 2), 0xFF2A5D9Fu);
}

}  // namespace
}  // namespace tirnel::test
