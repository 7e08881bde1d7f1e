// Input scripts run on a button between a second button and a text box: the events it
// raises, in order, and where its draw state, flags, value, the focus and the pointer
// capture end up.

#include "tools/render/ButtonScript.h"

#include "platform/LeaveTracking.h"
#include "platform/MessageHooks.h"
#include "platform/MouseCapture.h"
#include "tools/render/PropertyArguments.h"
#include "LookTestSupport.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMetaObject>

#include <functional>
#include <optional>
#include <vector>

namespace tirnel::render {
namespace {

constexpr std::int16_t T = kTrue;
constexpr std::int16_t F = kFalse;

struct Flags {
    std::int32_t mState;
    std::int16_t mIsOver, mMouseDown, mSpaceDown, mHasFocus, mParentActive;
};

enum class Focus { Any, None, Button, Second, TextBox };
enum class Capture { Free, Held };

struct ScriptCase {
    const char* name;
    std::vector<const char*> settings;
    std::vector<const char*> steps;
    std::vector<const char*> events;
    Flags flags;
    std::optional<std::int16_t> value = std::nullopt;
    // Value as each Click is raised.
    std::vector<std::int16_t> clickValues = {};
    Focus focus = Focus::Any;
    Capture capture = Capture::Free;
    std::vector<const char*> ambient = {};
    // What no step says: run before the steps, and after them.
    std::function<void(ButtonSession&)> before = nullptr;
    std::function<void(ButtonSession&)> after = nullptr;
    bool leaveTracking = true;
};

// Button 75x23 at (10, 10) on the form: (10, 5) is inside it, (-5, 5) and (75, 5) on the
// form beside it.
const std::vector<ScriptCase>& Cases() {
    static const std::vector<ScriptCase> cases = {
        // The pointer.
        {"FirstMoveRaisesMouseMoveThenMouseEnter", {}, {"move:5,5"}, {"MouseMove 0 0 5 5", "MouseEnter"},
         {1, T, F, F, F, T}},
        {"CrossingTheButton", {}, {"move:5,5", "move:20,7.5", "move:-3,5"},
         {"MouseMove 0 0 5 5", "MouseEnter", "MouseMove 0 0 20 7.5", "MouseLeave"}, {0, F, F, F, F, T}},
        {"PointerLeavingTheWindow", {}, {"move:5,5", "leave"}, {"MouseMove 0 0 5 5", "MouseEnter", "MouseLeave"},
         {0, F, F, F, F, T}},
        {"LeaveOnADisabledButtonKeepsItsState", {}, {"move:5,5", "let:Enabled=False", "leave"},
         {"MouseMove 0 0 5 5", "MouseEnter", "announce Enabled", "MouseLeave"}, {1, F, F, F, F, T}},
        // Clicks.
        {"Click", {}, {"move:10,5", "press:10,5", "release:10,5"},
         {"MouseMove 0 0 10 5", "MouseEnter", "MouseDown 1 0 10 5", "Click", "MouseUp 1 0 10 5"},
         {2, T, F, F, T, T}, F, {F}, Focus::Button},
        {"ReleaseOutsideDoesNotClick", {}, {"move:10,5", "press:10,5", "release:-5,5"},
         {"MouseMove 0 0 10 5", "MouseEnter", "MouseDown 1 0 10 5", "MouseUp 1 0 -5 5"}, {2, T, F, F, T, T}},
        {"ReleaseOnTheBorderDoesNotClick", {}, {"move:10,5", "press:10,5", "release:75,5", "press:10,5", "release:0,5"},
         {"MouseMove 0 0 10 5", "MouseEnter", "MouseDown 1 0 10 5", "MouseUp 1 0 75 5", "MouseDown 1 0 10 5",
          "MouseUp 1 0 0 5"},
         {2, T, F, F, T, T}},
        {"RightButtonRaisesMouseUpOnly", {}, {"move:10,5", "press:10,5:right", "release:10,5:right"},
         {"MouseMove 0 0 10 5", "MouseEnter", "MouseUp 2 0 10 5"}, {1, T, F, F, T, T}},
        {"DoubleClickRaisesSevenEvents", {},
         {"move:10,5", "press:10,5", "release:10,5", "dblclick:10,5", "release:10,5"},
         {"MouseMove 0 0 10 5", "MouseEnter", "MouseDown 1 0 10 5", "Click", "MouseUp 1 0 10 5", "MouseDown 1 0 10 5",
          "DblClick", "Click", "MouseUp 1 0 10 5"},
         {2, T, F, F, T, T}},
        {"DoubleClickHoldsThePointerUntilItsRelease", {}, {"move:10,5", "press:10,5", "release:10,5", "dblclick:10,5"},
         {"MouseMove 0 0 10 5", "MouseEnter", "MouseDown 1 0 10 5", "Click", "MouseUp 1 0 10 5", "MouseDown 1 0 10 5",
          "DblClick"},
         {2, T, T, F, T, T}, std::nullopt, {}, Focus::Button, Capture::Held},
        // Keys.
        {"SpaceClicksOnRelease", {}, {"focus", "key:space"}, {"KeyDown 32 0", "Click", "KeyUp 32 0"},
         {0, F, F, F, T, T}},
        {"HeldSpaceHoldsThePointer", {}, {"focus", "key:space:down"}, {"KeyDown 32 0"}, {2, F, F, T, T, T},
         std::nullopt, {}, Focus::Button, Capture::Held},
        {"SpaceOverTheButtonEndsInHover", {}, {"move:10,5", "focus", "key:space"},
         {"MouseMove 0 0 10 5", "MouseEnter", "KeyDown 32 0", "Click", "KeyUp 32 0"}, {1, T, F, F, T, T}},
        {"AltSpaceDoesNothing", {}, {"focus", "key:alt+space"}, {}, {0, F, F, F, T, T}},
        {"SpaceReleaseWithoutItsPressDoesNothing", {}, {"focus", "key:space:up"}, {}, {0, F, F, F, T, T}},
        {"SpacePressedElsewhereDoesNothingHere", {}, {"blur", "key:space:down", "focus", "key:space:up"}, {},
         {0, F, F, F, T, T}},
        {"EnterClicksThenKeyDown", {}, {"focus", "key:enter"}, {"Click", "KeyDown 13 0"}, {0, F, F, F, T, T}},
        {"HeldEnterClicksOnce", {}, {"focus", "key:enter:down", "key:enter:repeat", "key:enter:repeat", "key:enter:up"},
         {"Click", "KeyDown 13 0", "KeyDown 13 0", "KeyDown 13 0"}, {0, F, F, F, T, T}},
        {"KeyUpOfOtherKeysRaisesNothing", {}, {"focus", "key:escape"}, {"KeyDown 27 0"}, {0, F, F, F, T, T}},
        {"RightMovesFocusForwards", {}, {"focus", "key:right"}, {"KeyDown 39 0"}, {0, F, F, F, F, T}, std::nullopt, {},
         Focus::Second},
        {"DownMovesFocusForwards", {}, {"focus", "key:down"}, {"KeyDown 40 0"}, {0, F, F, F, F, T}, std::nullopt, {},
         Focus::Second},
        {"LeftMovesFocusBackwards", {}, {"focus", "key:left"}, {"KeyDown 37 0"}, {0, F, F, F, F, T}, std::nullopt, {},
         Focus::TextBox},
        {"UpMovesFocusBackwards", {}, {"focus", "key:up"}, {"KeyDown 38 0"}, {0, F, F, F, F, T}, std::nullopt, {},
         Focus::TextBox},
        // Check-box mode.
        {"CheckBoxClickTogglesBeforeClick", {"CheckBoxMode=True"}, {"move:10,5", "press:10,5", "release:10,5"},
         {"MouseMove 0 0 10 5", "MouseEnter", "MouseDown 1 0 10 5", "Click", "MouseUp 1 0 10 5"},
         {2, T, F, F, T, T}, T, {T}},
        {"CheckBoxSpaceTogglesOnDown", {"CheckBoxMode=True"}, {"focus", "key:space:down"}, {"KeyDown 32 0"},
         {0, F, F, T, T, T}, T, {}, Focus::Button, Capture::Held},
        {"CheckBoxSpaceClicksOnUp", {"CheckBoxMode=True"}, {"focus", "key:space"},
         {"KeyDown 32 0", "Click", "KeyUp 32 0"}, {2, F, F, F, T, T}, T, {T}},
        {"CheckBoxHeldSpaceTogglesOnce", {"CheckBoxMode=True"},
         {"focus", "key:space:down", "key:space:repeat", "key:space:up"},
         {"KeyDown 32 0", "KeyDown 32 0", "Click", "KeyUp 32 0"}, {2, F, F, F, T, T}, T, {T}},
        {"CheckBoxIgnoresRoutedEnterAndEscape", {"CheckBoxMode=True"}, {"blur", "key:enter", "key:escape"}, {},
         {0, F, F, F, F, T}, F, {}, Focus::TextBox, Capture::Free, {"DisplayAsDefault=True"},
         [](ButtonSession& s) { s.Container().CancelButton(&s.Button()); }},
        {"CheckBoxAccessKeyToggles", {"CheckBoxMode=True", "Caption=&OK"}, {"alt:o", "alt:o"}, {"Click", "Click"},
         {0, F, F, F, F, T}, F, {T, F}},
        // Access keys and the default button.
        {"AccessKeyClicks", {"Caption=&OK"}, {"alt:o"}, {"Click"}, {0, F, F, F, F, T}},
        {"DisabledButtonIgnoresItsAccessKey", {"Caption=&OK", "Enabled=False"}, {"alt:o"}, {}, {0, F, F, F, F, T}},
        {"RoutedEnterClicksTheDefaultButton", {}, {"blur", "key:enter"}, {"Click"}, {0, F, F, F, F, T},
         std::nullopt, {}, Focus::TextBox, Capture::Free, {"DisplayAsDefault=True"}},
        {"NoClickAfterUnloadDuringAccessKey", {"Caption=&OK"}, {"alt:o"}, {}, {0, F, F, F, F, T}, std::nullopt, {},
         Focus::Any, Capture::Free, {},
         [](ButtonSession& s) {
             QMetaObject::invokeMethod(&s.Button(), [&s] { s.Button().Unload(); }, Qt::QueuedConnection);
         },
         [](ButtonSession& s) { EXPECT_TRUE(s.Button().IsUnloaded()); }},
        // Focus and the container.
        {"LostFocusResetsTheFlags", {}, {"move:10,5", "press:10,5", "blur"},
         {"MouseMove 0 0 10 5", "MouseEnter", "MouseDown 1 0 10 5"}, {1, T, F, F, F, T}, std::nullopt, {},
         Focus::TextBox},
        {"LostFocusLetsTheSpaceCaptureGo", {}, {"focus", "key:space:down", "blur"}, {"KeyDown 32 0"},
         {0, F, F, F, F, T}, std::nullopt, {}, Focus::TextBox},
        {"DeactivationResetsTheFlags", {}, {"move:10,5", "focus", "key:space:down", "deactivate"},
         {"MouseMove 0 0 10 5", "MouseEnter", "KeyDown 32 0"}, {0, T, F, F, F, F}},
        {"ActivationPutsTheButtonInItsNormalState", {}, {"move:10,5", "deactivate", "activate"},
         {"MouseMove 0 0 10 5", "MouseEnter"}, {0, T, F, F, F, T}},
        {"UnloadLetsThePointerGo", {}, {"focus", "key:space:down"}, {"KeyDown 32 0"}, {2, F, F, T, T, T},
         std::nullopt, {}, Focus::Any, Capture::Free, {}, nullptr, [](ButtonSession& s) { s.Button().Unload(); }},
        // Lets after loading.
        {"CheckBoxModeFalseAnnouncesValueThenItself", {}, {"let:CheckBoxMode=False"},
         {"announce Value", "announce CheckBoxMode"}, {0, F, F, F, F, T}, F},
        {"ValueWithoutCheckBoxModeIsIgnored", {}, {"let:Value=True"}, {}, {0, F, F, F, F, T}, F},
        {"ValueInCheckBoxModeDrawsDown", {}, {"let:CheckBoxMode=True", "let:Value=True"},
         {"announce Value", "announce CheckBoxMode", "announce Value"}, {2, F, F, F, F, T}, T},
        // Without leave notices nothing is hooked: no MouseEnter, no activation.
        {"WithoutLeaveTracking", {}, {"move:10,5", "activate"}, {"MouseMove 0 0 10 5"}, {0, F, F, F, F, F},
         std::nullopt, {}, Focus::Any, Capture::Free, {}, nullptr, nullptr, false},
    };
    return cases;
}

std::vector<std::string> Strings(const QStringList& lines) {
    std::vector<std::string> out;
    for (const QString& line : lines) out.push_back(line.toStdString());
    return out;
}

std::string FlagsText(const bt::Interaction& s) {
    return QStringLiteral("mState=%1 mIsOver=%2 mMouseDown=%3 mSpaceDown=%4 mHasFocus=%5 mParentActive=%6")
        .arg(s.mState)
        .arg(s.mIsOver)
        .arg(s.mMouseDown)
        .arg(s.mSpaceDown)
        .arg(s.mHasFocus)
        .arg(s.mParentActive)
        .toStdString();
}

Focus FocusOf(ButtonSession& session) {
    const QWidget* focused = QApplication::focusWidget();
    if (!focused) return Focus::None;
    if (focused == &session.Button()) return Focus::Button;
    if (focused == session.Second()) return Focus::Second;
    if (focused == session.TextBox()) return Focus::TextBox;
    return Focus::Any;
}

class ButtonScriptTest : public ::testing::TestWithParam<ScriptCase> {};

TEST_P(ButtonScriptTest, RaisesItsEventsAndEndsInItsState) {
    const ScriptCase& c = GetParam();
    ButtonSessionOptions options;
    options.companions = true;
    for (const char* setting : c.settings) {
        const QString text = QString::fromUtf8(setting);
        const qsizetype equals = text.indexOf(u'=');
        options.bag.WriteProperty(text.left(equals), ParseSettingValue(text.mid(equals + 1)));
    }
    for (const char* setting : c.ambient) ASSERT_TRUE(AddButtonAmbient(options.ambient, QString::fromUtf8(setting)));

    SetLeaveTrackingAvailable(c.leaveTracking);
    std::optional<ButtonSession> session;
    session.emplace(options);
    SetLeaveTrackingAvailable(true);
    bt& button = session->Button();
    EXPECT_EQ(button.TracksLeave(), c.leaveTracking);
    EXPECT_EQ(IsHooked(&button), c.leaveTracking);
    EXPECT_EQ(IsHooked(&session->Container()), c.leaveTracking);

    std::vector<std::int16_t> clickValues;
    QObject::connect(&button, &bt::Click, &button, [&] { clickValues.push_back(button.Value()); });
    if (c.before) c.before(*session);
    QStringList steps;
    for (const char* step : c.steps) steps << QString::fromUtf8(step);
    QString problem;
    ASSERT_TRUE(session->Run(steps, &problem)) << problem.toStdString();
    if (c.after) c.after(*session);

    EXPECT_EQ(Strings(session->Log()), std::vector<std::string>(c.events.begin(), c.events.end()));
    const Flags& f = c.flags;
    EXPECT_EQ(FlagsText(button.InteractionState()),
              FlagsText({f.mState, f.mIsOver, f.mMouseDown, f.mSpaceDown, f.mHasFocus, f.mParentActive, 0}));
    if (c.value) {
        EXPECT_EQ(button.Value(), *c.value);
    }
    if (!c.clickValues.empty()) {
        EXPECT_EQ(clickValues, c.clickValues);
    }
    if (c.focus != Focus::Any) {
        EXPECT_EQ(FocusOf(*session), c.focus);
    }
    EXPECT_EQ(GetCapture(), c.capture == Capture::Held ? &button : nullptr);
}

INSTANTIATE_TEST_SUITE_P(Scripts, ButtonScriptTest, ::testing::ValuesIn(Cases()), test::CaseName());

}  // namespace
}  // namespace tirnel::render
