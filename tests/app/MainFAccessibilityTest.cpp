// What assistive technology sees of the window, through Qt's own accessibility API: the custom
// controls' roles, names, states and values, their actions, and the changes they announce.

#include "app/AccessibleControls.h"
#include "app/MainF.h"
#include "tests/app/FakeShellServices.h"
#include "tests/platform/QStringPrinter.h"

#include <QAccessible>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace tirnel::test {
namespace {

using R = QAccessible::Role;

QAccessibleInterface* Of(QWidget* widget) { return QAccessible::queryAccessibleInterface(widget); }

QString States(const QAccessible::State& s) {
    const std::pair<bool, const char*> named[] = {{s.focused, "focused"}, {s.pressed, "pressed"},   {s.checkable, "checkable"},
                                                  {s.checked, "checked"}, {s.disabled, "disabled"}, {s.defaultButton, "default"}};
    QStringList set;
    for (const auto& [on, name] : named)
        if (on) set << QLatin1String(name);
    return set.join(u' ');
}

// Role (2b push button, 2c check box, 2d radio button, 30 progress bar, 2a editable text),
// name, states, then the value with its text and range, the actions and the shortcut.
QString Look(QWidget* widget) {
    QAccessibleInterface* a = Of(widget);
    QStringList seen = {QString::number(a->role(), 16), a->text(QAccessible::Name), States(a->state())};
    if (QAccessibleValueInterface* v = a->valueInterface())
        seen << QStringLiteral("%1 (%2) of %3..%4").arg(v->currentValue().toInt()).arg(a->text(QAccessible::Value)).arg(v->minimumValue().toInt()).arg(v->maximumValue().toInt());
    seen << a->actionInterface()->actionNames().join(u',') << a->text(QAccessible::Accelerator);
    return seen.join(u'|');
}

class MainFAccessibilityTest : public ::testing::Test {
protected:
    // The window is made once the interfaces can be.
    MainFAccessibilityTest() : window((InstallAccessibleControls(), shell)) {}
    void SetUp() override {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    // Each row brings its situation about, then reads its control.
    void ExpectRows(const std::vector<std::pair<std::function<QWidget*(MainF&)>, QString>>& rows) {
        for (const auto& [control, seen] : rows) EXPECT_EQ(Look(control(window)), seen);
    }

    FakeShellServices shell;
    MainF window;
};

TEST_F(MainFAccessibilityTest, ButtonsArePushButtonsOrCheckBoxes) {
    ExpectRows({
        {[](MainF& w) { return w.Command2; }, "2b|分割||Press,SetFocus|"},
        {[](MainF& w) { w.Command2->setFocus(); return w.Command2; }, "2b|分割|focused default|Press,SetFocus|"},
        {[](MainF& w) { QTest::keyPress(w.Command2, Qt::Key_Space); return w.Command2; }, "2b|分割|focused pressed default|Press,SetFocus|"},
        {[](MainF& w) { w.Command3->Enabled(kFalse); return w.Command3; }, "2b|合并|disabled||"},
        {[](MainF& w) { w.tQueries->Caption(QStringLiteral("&Quit")); return w.tQueries; }, "2b|Quit||Press,SetFocus|Alt+Q"},
        {[](MainF& w) { w.cmdFile->CheckBoxMode(kTrue); w.cmdFile->Value(kTrue); return w.cmdFile; }, "2c|...|checkable checked|Toggle,SetFocus|"},
    });
    EXPECT_EQ(Of(window.cmdFile)->text(QAccessible::Description), QStringLiteral("打开文件"));
    EXPECT_EQ(Of(window.cmdOpsee)->text(QAccessible::Description), QStringLiteral("选择文件夹"));
}

TEST_F(MainFAccessibilityTest, OptionsAreRadioButtons) {
    ExpectRows({
        {[](MainF& w) { return w.opDelFale; }, "2d|分割文件|focused checkable checked|Toggle,SetFocus|"},
        {[](MainF& w) { return w.GetFile; }, "2d|合并文件|checkable|Toggle,SetFocus|"},
        {[](MainF& w) { QTest::keyClick(w.opDelFale, Qt::Key_Right); return w.Okbs; }, "2d|KB|checkable checked disabled||"},
    });
}

TEST_F(MainFAccessibilityTest, TheBarIsAProgressBarAndTheBoxesAreNamedByTheirLabels) {
    ExpectRows({
        {[](MainF& w) { return w.uo1; }, "30|||0 (0) of 0..100||"},
        {[](MainF& w) { SetBarValue(w.uo1, 37); SetBarText(w.uo1, QStringLiteral("正在停止…")); w.uo1->Enabled(kFalse); return w.uo1; },
         "30|正在停止…|disabled|37 (37) of 0..100||"},
        {[](MainF& w) { return w.txtPsd; }, "2a|分割文件:||SetFocus|"},
        {[](MainF& w) { return w.Text1; }, "2a|目标地址:||SetFocus|"},
        {[](MainF& w) { return w.Text2; }, "2a|分割大小:||SetFocus|"},
    });
}

// Each change a control shows is told once. Qt tells only while an accessibility bus listens,
// as tests/app/atspi/atspi-test.sh runs it.
TEST_F(MainFAccessibilityTest, ChangesAreAnnouncedAsTheyShow) {
    if (!QAccessible::isActive()) GTEST_SKIP() << "no accessibility bus listens: tests/app/atspi/atspi-test.sh runs this";
    static QStringList heard;
    QAccessible::installUpdateHandler([](QAccessibleEvent* e) {
        const QString name = e->object()->objectName();
        if (e->type() == QAccessible::NameChanged) heard << name + " name";
        if (e->type() == QAccessible::StateChanged) heard << name + " " + States(static_cast<QAccessibleStateChangeEvent*>(e)->changedStates());
        if (e->type() == QAccessible::ValueChanged) heard << name + " " + static_cast<QAccessibleValueChangeEvent*>(e)->value().toString();
    });
    const std::pair<std::function<void(MainF&)>, QStringList> cases[] = {
        {[](MainF& w) { SetBarValue(w.uo1, 37); }, {"uo1 37"}},
        {[](MainF& w) { SetBarText(w.uo1, QStringLiteral("正在停止…")); w.uo1->Enabled(kFalse); }, {"uo1 name", "uo1 disabled"}},
        {[](MainF& w) { QTest::keyClick(w.opDelFale, Qt::Key_Right); }, {"Text2 disabled", "Okbs disabled", "Option3 disabled", "opDelFale checked", "GetFile checked"}},
        {[](MainF& w) { w.Command2->Caption(QStringLiteral("&Split")); }, {"Command2 name"}},
        {[](MainF& w) { w.Command2->setFocus(); QTest::keyPress(w.Command2, Qt::Key_Space); }, {"Command2 pressed default"}},
    };
    for (const auto& [change, expected] : cases) {
        window.repaint();
        heard.clear();
        change(window);
        QCoreApplication::processEvents();
        EXPECT_EQ(heard, expected);
    }
    QAccessible::installUpdateHandler(nullptr);
}

}  // namespace
}  // namespace tirnel::test
