#include "tests/platform/RecordingControl.h"

#include "platform/Boolean.h"
#include "platform/ControlSite.h"
#include "platform/Form.h"
#include "platform/InputCodes.h"
#include "platform/MessageHooks.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include <memory>

namespace tirnel {
namespace {

using test::RecordingControl;

// A created control of 40 x 20 pixels, shown in a window of its own and holding the focus.
struct ShownControl {
    QWidget window;
    RecordingControl* control = new RecordingControl(&window);

    ShownControl() {
        window.resize(100, 60);
        control->setGeometry(10, 10, 40, 20);
        control->Create();
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        control->setFocus();
        control->mCalls.clear();
    }
};

TEST(ControlTest, CreateRunsInitializeThenInitOrReadPropertiesThenResize) {
    RecordingControl fresh;
    fresh.resize(30, 12);
    fresh.Create();
    fresh.Create();  // a second creation is ignored
    EXPECT_EQ(fresh.mCalls, (QStringList{"Initialize", "InitProperties", "Resize 30x12"}));
    EXPECT_EQ(fresh.DrawingSurface().Width(), 30);
    EXPECT_EQ(fresh.DrawingSurface().Height(), 12);

    PropertyBag bag;
    fresh.Save(bag);
    RecordingControl loaded;
    loaded.resize(30, 12);
    loaded.Create(bag);
    EXPECT_EQ(loaded.mCalls, (QStringList{"Initialize", "ReadProperties saved", "Resize 30x12"}));

    loaded.Unload();
    loaded.Unload();
    EXPECT_EQ(loaded.mCalls.count("Terminate"), 1);
}

// Counts its Terminates where the count outlives it, and hooks its container window when
// created, as a control that tracks its container does.
class TerminateCounter : public Control {
public:
    using Control::Control;
    int* mTerminated = nullptr;
    bool* mHookedAtTerminate = nullptr;

protected:
    void UserControl_InitProperties() override { SubclassWindow(this, window(), [](auto&&...) {}); }
    void UserControl_Terminate() override {
        ++*mTerminated;
        *mHookedAtTerminate = IsHooked(window());
    }
};

TEST(ControlTest, DestructionTerminatesOnceAfterAnyUnloadAndLeavesNoHook) {
    const struct {
        const char* name;
        bool create, unloadFirst;
        int terminated;
    } rows[] = {
        {"created, then destroyed", true, false, 1},
        {"created, unloaded, then destroyed", true, true, 1},
        {"never created", false, false, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Form window;
        int terminated = 0;
        bool hookedAtTerminate = false;
        auto* control = new Hosted<TerminateCounter>(&window);
        control->mTerminated = &terminated;
        control->mHookedAtTerminate = &hookedAtTerminate;
        if (row.create) SiteControl(*control, "bt1");
        EXPECT_EQ(IsHooked(&window), row.create);
        if (row.unloadFirst) {
            control->Unload();
            EXPECT_FALSE(IsHooked(&window)) << "unloading removes the control's hooks";
        }
        delete control;
        EXPECT_EQ(terminated, row.terminated);
        EXPECT_EQ(hookedAtTerminate, row.create) << "Terminate runs before the hooks go";
        EXPECT_FALSE(IsHooked(&window));
    }
}

TEST(ControlTest, ResizeReachesTheHandlerOnlyAfterCreationAndOncePerSize) {
    RecordingControl control;
    control.resize(10, 10);
    EXPECT_TRUE(control.mCalls.isEmpty());
    control.Create();
    control.mCalls.clear();

    control.Move(0, 0, 600, 300);  // twips, on a hidden widget: handled at once
    control.show();                // the pending resize brings no second call
    EXPECT_EQ(control.mCalls, (QStringList{"Resize 40x20"}));
    EXPECT_EQ(control.DrawingSurface().Width(), 40);
    EXPECT_EQ(control.ScaleWidth(), 40.0f);
    EXPECT_EQ(control.ScaleHeight(), 20.0f);
}

TEST(ControlTest, ExtentInTwipsReadsBackAsSet) {
    RecordingControl control;
    control.resize(0, 0);
    EXPECT_EQ(control.Width(), 0);
    control.Create();
    control.Height(220);
    control.Width(10);
    EXPECT_EQ(control.Height(), 220);
    EXPECT_EQ(control.height(), 15);  // nearest whole pixel
    EXPECT_EQ(control.Width(), 10);
    EXPECT_EQ(control.width(), 1);
    control.resize(7, 15);  // resized in pixels by someone else
    EXPECT_EQ(control.Width(), 105);
    EXPECT_EQ(control.Height(), 220);
}

TEST(ControlTest, AmbientChangesAreReportedByName) {
    RecordingControl control;
    control.setObjectName("uo1");
    EXPECT_EQ(control.Ambient().UserMode, kTrue);
    control.Create();
    EXPECT_EQ(control.Ambient().DisplayName, "uo1");
    control.mCalls.clear();

    AmbientProperties ambient = control.Ambient();
    ambient.DisplayAsDefault = kTrue;
    ambient.Font = ambient.Font->Clone();  // an equal font is no change
    control.SetAmbient(ambient);
    ambient.BackColor = 0x00FF00;
    ambient.Font = FontObject::Create("Tahoma", 8);
    control.SetAmbient(ambient);
    EXPECT_EQ(control.mCalls,
              (QStringList{"AmbientChanged DisplayAsDefault", "AmbientChanged Font", "AmbientChanged BackColor"}));
}

TEST(ControlTest, MouseButtonsAndShiftStateUseThePlatformNumbers) {
    const struct {
        Qt::MouseButton button;
        Qt::KeyboardModifiers modifiers;
        const char* down;
    } cases[] = {
        {Qt::LeftButton, Qt::NoModifier, "MouseDown 1 0 5 6"},
        {Qt::RightButton, Qt::ShiftModifier, "MouseDown 2 1 5 6"},
        {Qt::MiddleButton, Qt::ControlModifier | Qt::AltModifier, "MouseDown 4 6 5 6"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.down);
        ShownControl shown;
        QTest::mousePress(shown.control, c.button, c.modifiers, QPoint(5, 6));
        QTest::mouseRelease(shown.control, c.button, c.modifiers, QPoint(5, 6));
        ASSERT_GE(shown.control->mCalls.size(), 2);
        EXPECT_EQ(shown.control->mCalls[0], c.down);
        EXPECT_EQ(shown.control->mCalls[1], QString(c.down).replace("MouseDown", "MouseUp"));
    }
}

TEST(ControlTest, ALeftPressAndReleaseOverTheControlClicks) {
    ShownControl shown;
    QTest::mouseClick(shown.control, Qt::LeftButton, Qt::NoModifier, QPoint(3, 4));
    EXPECT_EQ(shown.control->mCalls, (QStringList{"MouseDown 1 0 3 4", "MouseUp 1 0 3 4", "Click"}));

    shown.control->mCalls.clear();
    QTest::mouseClick(shown.control, Qt::RightButton, Qt::NoModifier, QPoint(3, 4));
    EXPECT_FALSE(shown.control->mCalls.contains("Click"));

    // Released outside: the release still reaches the control, with outside coordinates.
    shown.control->mCalls.clear();
    QTest::mousePress(shown.control, Qt::LeftButton, Qt::NoModifier, QPoint(3, 4));
    QTest::mouseRelease(shown.control, Qt::LeftButton, Qt::NoModifier, QPoint(45, -2));
    EXPECT_EQ(shown.control->mCalls, (QStringList{"MouseDown 1 0 3 4", "MouseUp 1 0 45 -2"}));
}

TEST(ControlTest, MovesReportTheHeldButtons) {
    ShownControl shown;
    QTest::mouseMove(shown.control, QPoint(7, 8));
    QTest::mousePress(shown.control, Qt::LeftButton, Qt::NoModifier, QPoint(7, 8));
    QTest::mouseMove(shown.control, QPoint(9, 8));
    QStringList moves = shown.control->mCalls.filter("MouseMove");
    ASSERT_EQ(moves.size(), 2);
    EXPECT_EQ(moves[0], "MouseMove 0 0 7 8");
    EXPECT_EQ(moves[1], "MouseMove 1 0 9 8");
    QTest::mouseRelease(shown.control, Qt::LeftButton, Qt::NoModifier, QPoint(9, 8));
}

TEST(ControlTest, ASecondQuickPressIsADoubleClick) {
    ShownControl shown;
    // Through the window, as the platform delivers it: press, release, press, release.
    QTest::mouseDClick(shown.window.windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(13, 14));
    shown.control->mCalls.removeIf([](const QString& call) { return call.startsWith("MouseMove"); });
    EXPECT_EQ(shown.control->mCalls, (QStringList{"MouseDown 1 0 3 4", "MouseUp 1 0 3 4", "Click", "DblClick",
                                                  "MouseUp 1 0 3 4"}));
}

TEST(ControlTest, KeysUseVirtualKeyCodes) {
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int keyCode;
        int shift;
    } cases[] = {
        {Qt::Key_Return, Qt::NoModifier, 13, 0}, {Qt::Key_Enter, Qt::NoModifier, 13, 0},
        {Qt::Key_Space, Qt::NoModifier, 32, 0},  {Qt::Key_Left, Qt::NoModifier, 37, 0},
        {Qt::Key_Up, Qt::ShiftModifier, 38, 1},  {Qt::Key_Right, Qt::ControlModifier, 39, 2},
        {Qt::Key_Down, Qt::NoModifier, 40, 0},   {Qt::Key_A, Qt::ShiftModifier, 65, 1},
        {Qt::Key_Z, Qt::NoModifier, 90, 0},      {Qt::Key_Escape, Qt::NoModifier, 27, 0},
        {Qt::Key_F5, Qt::NoModifier, 116, 0},    {Qt::Key_Delete, Qt::NoModifier, 46, 0},
    };
    ShownControl shown;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keyCode);
        shown.control->mCalls.clear();
        QTest::keyClick(shown.control, c.key, c.modifiers);
        // Modifier keys come with key events of their own; look for those of the key itself.
        EXPECT_TRUE(shown.control->mCalls.contains(QStringLiteral("KeyDown %1 %2").arg(c.keyCode).arg(c.shift)))
            << shown.control->mCalls.join(", ").toStdString();
        EXPECT_TRUE(shown.control->mCalls.contains(QStringLiteral("KeyUp %1 %2").arg(c.keyCode).arg(c.shift)));
    }
}

TEST(ControlTest, TypedCharactersFollowKeyDown) {
    ShownControl shown;
    QTest::keyClick(shown.control, Qt::Key_A);
    QTest::keyClick(shown.control, Qt::Key_Return);
    QTest::keyClick(shown.control, Qt::Key_Left);
    EXPECT_EQ(shown.control->mCalls, (QStringList{"KeyDown 65 0", "KeyPress 97", "KeyUp 65 0", "KeyDown 13 0",
                                                  "KeyPress 13", "KeyUp 13 0", "KeyDown 37 0", "KeyUp 37 0"}));
}

TEST(ControlTest, AltWithAnAccessKeyAnywhereInTheWindowReachesTheControl) {
    ShownControl shown;
    auto* other = new QWidget(&shown.window);
    other->setFocusPolicy(Qt::StrongFocus);
    other->show();
    other->setFocus();
    shown.control->AccessKeys("s");
    shown.control->mCalls.clear();

    QTest::keyClick(other, Qt::Key_S, Qt::AltModifier);
    QTest::keyClick(other, Qt::Key_T, Qt::AltModifier);
    EXPECT_EQ(shown.control->mCalls, (QStringList{"AccessKeyPress 115"}));

    shown.control->Enabled(kFalse);
    QTest::keyClick(other, Qt::Key_S, Qt::AltModifier);
    shown.control->AccessKeys("");
    shown.control->Enabled(kTrue);
    QTest::keyClick(other, Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(shown.control->mCalls.count("AccessKeyPress 115"), 1);
}

TEST(ControlTest, FocusEntersBeforeItIsGotAndIsLostBeforeItExits) {
    ShownControl shown;
    auto* other = new QWidget(&shown.window);
    other->setFocusPolicy(Qt::StrongFocus);
    other->show();
    other->setFocus();
    shown.control->mCalls.clear();

    shown.control->setFocus(Qt::TabFocusReason);
    other->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(shown.control->mCalls, (QStringList{"EnterFocus", "GotFocus", "LostFocus", "ExitFocus"}));
}

TEST(ControlTest, ADisabledControlGetsNoInput) {
    ShownControl shown;
    shown.control->Enabled(kFalse);
    EXPECT_EQ(shown.control->Enabled(), kFalse);
    QTest::mouseClick(shown.window.windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(15, 15));
    EXPECT_FALSE(shown.control->mCalls.contains("Click"));
    shown.control->Enabled(kTrue);
    EXPECT_EQ(shown.control->Enabled(), kTrue);
}

TEST(ControlTest, ThePaintEventShowsTheSurface) {
    ShownControl shown;
    QImage& pixels = shown.control->DrawingSurface().Image();
    pixels.fill(QColor(10, 20, 30));
    pixels.setPixelColor(0, 0, QColor(255, 0, 0));
    pixels.setPixelColor(39, 19, QColor(0, 0, 255));
    shown.control->Refresh();

    const QImage shot = shown.control->grab().toImage();
    ASSERT_EQ(shot.size(), QSize(40, 20));
    EXPECT_EQ(shot.pixelColor(0, 0), QColor(255, 0, 0));
    EXPECT_EQ(shot.pixelColor(39, 19), QColor(0, 0, 255));
    EXPECT_EQ(shot.pixelColor(20, 10), QColor(10, 20, 30));
}

TEST(ControlTest, TheWindowRegionClipsHitTesting) {
    ShownControl shown;
    // Only the left half of the control belongs to it.
    shown.control->SetWindowRgn(QRegion(0, 0, 20, 20));
    QWindow* window = shown.window.windowHandle();
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, QPoint(10 + 30, 10 + 5));
    EXPECT_TRUE(shown.control->mCalls.isEmpty()) << shown.control->mCalls.join(", ").toStdString();
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, QPoint(10 + 5, 10 + 5));
    EXPECT_TRUE(shown.control->mCalls.contains("Click"));

    // An empty shape: nothing of the control shows and no click reaches it.
    shown.control->mCalls.clear();
    shown.control->SetWindowRgn(QRegion());
    ASSERT_TRUE(shown.control->WindowShape().has_value());
    shown.control->DrawingSurface().FillRect(Rect{0, 0, 40, 20}, RGB(255, 0, 0));
    QCoreApplication::processEvents();
    const QImage hidden = shown.window.grab().toImage();
    EXPECT_NE(hidden.pixelColor(10 + 5, 10 + 5), QColor(255, 0, 0));
    EXPECT_EQ(hidden.pixelColor(10 + 5, 10 + 5), hidden.pixelColor(5, 5));  // the window shows through
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, QPoint(10 + 5, 10 + 5));
    EXPECT_TRUE(shown.control->mCalls.isEmpty()) << shown.control->mCalls.join(", ").toStdString();

    shown.control->ClearWindowRgn();  // the whole rectangle again
    EXPECT_FALSE(shown.control->WindowShape().has_value());
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, QPoint(10 + 30, 10 + 5));
    EXPECT_TRUE(shown.control->mCalls.contains("Click"));
    EXPECT_EQ(shown.window.grab().toImage().pixelColor(10 + 30, 10 + 5), QColor(255, 0, 0));
}

TEST(ControlTest, MousePointerNumbersPickTheCursor) {
    const struct {
        std::int16_t pointer;
        bool ownCursor;
        Qt::CursorShape shape;
    } cases[] = {
        {0, false, Qt::ArrowCursor},   {2, true, Qt::CrossCursor},       {3, true, Qt::IBeamCursor},
        {9, true, Qt::SizeHorCursor},  {11, true, Qt::WaitCursor},       {14, true, Qt::WhatsThisCursor},
        {99, false, Qt::ArrowCursor},  // custom without a picture
        {42, false, Qt::ArrowCursor},
    };
    QWidget window;
    RecordingControl& control = *new RecordingControl(&window);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pointer);
        control.MousePointer(c.pointer);
        EXPECT_EQ(control.MousePointer(), c.pointer);
        EXPECT_EQ(control.testAttribute(Qt::WA_SetCursor), c.ownCursor);
        if (c.ownCursor) {
            EXPECT_EQ(control.cursor().shape(), c.shape);
        }
    }
    QImage icon(16, 16, QImage::Format_ARGB32);
    icon.fill(Qt::black);
    control.MouseIcon(PictureObject::Icon(icon));
    control.MousePointer(99);
    EXPECT_EQ(control.cursor().shape(), Qt::BitmapCursor);
}

}  // namespace
}  // namespace tirnel
