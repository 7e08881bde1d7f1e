// The window's five push buttons: round blue, loaded with the window's settings, the blue
// glow following the focus, and clicked by the mouse, Enter and the space bar.
//
// Under an X server (QT_QPA_PLATFORM=xcb, as scripts/test runs it on Xvfb) the same tests
// drive the real window system; with TIRNEL_SCREENSHOT set they also save the window there.

#include "app/MainF.h"
#include "tests/app/FakeShellServices.h"
#include "tests/app/WindowTestSupport.h"

#include <QApplication>
#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

namespace tirnel::test {
namespace {

// A point on the top glow line, away from the corners.
constexpr QPoint kGlowPoint(6, 1);
constexpr Color kFocusGlowTop = 0xFFE7CE;
constexpr Color kHoverGlowTop = 0xCFF0FF;

Color GlowOf(const bt* button) {
    return std::as_const(*button).DrawingSurface().GetPixel(kGlowPoint.x(), kGlowPoint.y());
}

class MainFButtonsTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    // Moves the focus with the Tab key as a user would, from wherever it is.
    void PressTab() {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &window, Qt::Key_Tab);
        QCoreApplication::processEvents();
    }

    std::vector<bt*> Buttons() {
        return {window.cmdFile, window.cmdOpsee, window.Command2, window.Command3, window.tQueries};
    }

    FakeShellServices shell;
    MainF window{shell};
};

TEST_F(MainFButtonsTest, AreRoundBlueButtonsInTheWindowFont) {
    const struct {
        bt* button;
        const char* caption;
    } buttons[] = {{window.cmdFile, "..."},
                   {window.cmdOpsee, "..."},
                   {window.Command2, "分割"},
                   {window.Command3, "合并"},
                   {window.tQueries, "退出"}};
    for (const auto& b : buttons) {
        SCOPED_TRACE(b.caption);
        EXPECT_EQ(b.button->ButtonStyle(), StyleRoundBlue);
        EXPECT_EQ(b.button->BackColor(), RGB(236, 235, 231));
        EXPECT_EQ(b.button->Caption(), QString::fromUtf8(b.caption));
        EXPECT_EQ(b.button->Font()->Name(), QStringLiteral("宋体"));
        EXPECT_EQ(b.button->Font()->Size(), 9);
        // Rounded: the corner pixel is outside the window shape.
        EXPECT_FALSE(b.button->mask().contains(QPoint(0, 0)));
        EXPECT_TRUE(b.button->mask().contains(QPoint(b.button->width() / 2, 0)));
    }
}

TEST_F(MainFButtonsTest, TabMovesTheBlueGlow) {
    window.Command2->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    const std::vector<bt*> order = {window.Command2, window.Command3, window.tQueries};
    for (std::size_t i = 0; i < order.size(); ++i) {
        SCOPED_TRACE(order[i]->objectName().toStdString());
        ASSERT_EQ(QApplication::focusWidget(), order[i]);
        for (bt* button : Buttons()) {
            if (button->underMouse()) continue;  // a pointer resting on it shows the hover glow
            EXPECT_EQ(GlowOf(button) == kFocusGlowTop, button == order[i]) << button->objectName().toStdString();
        }
        if (const char* dir = std::getenv("TIRNEL_SCREENSHOT"); dir && i == 0)
            window.grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/window.png"));
        PressTab();
    }
    // Past the buttons the focus goes round to the options: no button glows.
    for (bt* button : Buttons()) EXPECT_NE(GlowOf(button), kFocusGlowTop) << button->objectName().toStdString();
}

TEST_F(MainFButtonsTest, EnterSpaceAndTheMouseClickTheButton) {
    const struct {
        const char* how;
        void (*press)(bt*);
    } presses[] = {
        {"Enter", [](bt* b) { QTest::keyClick(b, Qt::Key_Return); }},
        {"space", [](bt* b) { QTest::keyClick(b, Qt::Key_Space); }},
        {"mouse", [](bt* b) { QTest::mouseClick(b, Qt::LeftButton); }},
    };
    for (const auto& p : presses) {
        SCOPED_TRACE(p.how);
        shell.fileDialogCalls.clear();
        shell.browseCalls.clear();
        window.cmdFile->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        p.press(window.cmdFile);
        EXPECT_EQ(shell.fileDialogCalls.size(), 1u);
        window.cmdOpsee->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        p.press(window.cmdOpsee);
        EXPECT_EQ(shell.browseCalls.size(), 1u);
    }
    // A split button click reaches the split run, which asks for a source first.
    ClickButton(window.Command2);
    ASSERT_FALSE(shell.notices.empty());
    EXPECT_EQ(shell.notices.back(), QStringLiteral("请指定待分割文件!"));
}

TEST_F(MainFButtonsTest, PointerOverAButtonShowsTheHoverGlow) {
    QTest::mouseMove(window.Command3, QPoint(20, 10));
    QCoreApplication::processEvents();
    EXPECT_EQ(GlowOf(window.Command3), kHoverGlowTop);
}

}  // namespace
}  // namespace tirnel::test
