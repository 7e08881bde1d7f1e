// What assistive technology sees of the window, through Qt's own accessibility API: the
// custom controls' roles, names, states and values, their actions, and the changes they
// announce.

#include "app/AccessibleControls.h"
#include "app/MainF.h"
#include "tests/app/FakeShellServices.h"
#include "tests/platform/QStringPrinter.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace tirnel::test {
namespace {

QAccessibleInterface* Of(QWidget* widget) { return QAccessible::queryAccessibleInterface(widget); }

// The states that matter here, by name, in this order.
QString States(const QAccessible::State& s) {
    const std::pair<bool, const char*> named[] = {
        {s.focusable, "focusable"}, {s.focused, "focused"},     {s.pressed, "pressed"},
        {s.checkable, "checkable"}, {s.checked, "checked"},     {s.disabled, "disabled"},
        {s.defaultButton, "default"},
    };
    QStringList set;
    for (const auto& [on, name] : named)
        if (on) set << QLatin1String(name);
    return set.join(u' ');
}

// What one control shows: role, name, states, and its value with the range and its actions
// with the shortcut, where it has them.
struct Seen {
    QAccessible::Role role;
    QString name, states, more;
    bool operator==(const Seen&) const = default;
    friend std::ostream& operator<<(std::ostream& out, const Seen& s) {
        return out << s.role << " \"" << s.name.toStdString() << "\" [" << s.states.toStdString() << "] "
                   << s.more.toStdString();
    }
};

Seen Look(QWidget* widget) {
    QAccessibleInterface* iface = Of(widget);
    QStringList more;
    if (QAccessibleValueInterface* value = iface->valueInterface())
        more << QStringLiteral("%1 (%2) of %3..%4")
                    .arg(value->currentValue().toInt())
                    .arg(iface->text(QAccessible::Value))
                    .arg(value->minimumValue().toInt())
                    .arg(value->maximumValue().toInt());
    if (const QStringList actions = iface->actionInterface()->actionNames(); !actions.isEmpty()) more << actions.join(u',');
    if (const QString shortcut = iface->text(QAccessible::Accelerator); !shortcut.isEmpty()) more << shortcut;
    return {iface->role(), iface->text(QAccessible::Name), States(iface->state()), more.join(u' ')};
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

    struct Row {
        const char* situation;
        std::function<QWidget*(MainF&)> control;  // brings the situation about
        Seen seen;
    };
    void ExpectRows(const std::vector<Row>& rows) {
        for (const Row& row : rows) {
            QWidget* control = row.control(window);
            QCoreApplication::processEvents();
            EXPECT_EQ(Look(control), row.seen) << row.situation;
        }
    }

    FakeShellServices shell;
    MainF window;
};

using R = QAccessible::Role;

TEST_F(MainFAccessibilityTest, ButtonsArePushButtonsOrCheckBoxesNamedByTheirCaptions) {
    ExpectRows({
        {"分割", [](MainF& w) { return w.Command2; }, {R::Button, "分割", "focusable", "Press,SetFocus"}},
        {"分割 focused", [](MainF& w) { w.Command2->setFocus(); return w.Command2; },
         {R::Button, "分割", "focusable focused default", "Press,SetFocus"}},
        {"分割 held by the space bar", [](MainF& w) { QTest::keyPress(w.Command2, Qt::Key_Space); return w.Command2; },
         {R::Button, "分割", "focusable focused pressed default", "Press,SetFocus"}},
        {"合并 disabled", [](MainF& w) { w.Command3->Enabled(kFalse); return w.Command3; },
         {R::Button, "合并", "focusable disabled", ""}},
        {"退出 as &Quit", [](MainF& w) { w.tQueries->Caption(QStringLiteral("&Quit")); return w.tQueries; },
         {R::Button, "Quit", "focusable", "Press,SetFocus Alt+Q"}},
        {"... in check-box mode, on", [](MainF& w) { w.cmdFile->CheckBoxMode(kTrue); w.cmdFile->Value(kTrue); return w.cmdFile; },
         {R::CheckBox, "...", "focusable checkable checked", "Toggle,SetFocus"}},
    });
    EXPECT_EQ(Of(window.cmdFile)->text(QAccessible::Description), QStringLiteral("打开文件"));
    EXPECT_EQ(Of(window.cmdOpsee)->text(QAccessible::Description), QStringLiteral("选择文件夹"));
}

TEST_F(MainFAccessibilityTest, OptionsAreRadioButtonsCheckedWhileOn) {
    ExpectRows({
        {"分割文件 at start", [](MainF& w) { return w.opDelFale; },
         {R::RadioButton, "分割文件", "focusable focused checkable checked", "Toggle,SetFocus"}},
        {"合并文件 at start", [](MainF& w) { return w.GetFile; }, {R::RadioButton, "合并文件", "focusable checkable", "Toggle,SetFocus"}},
        {"KB in merge mode", [](MainF& w) { QTest::keyClick(w.opDelFale, Qt::Key_Right); return w.Okbs; },
         {R::RadioButton, "KB", "focusable checkable checked disabled", ""}},
        {"合并文件 chosen", [](MainF& w) { return w.GetFile; },
         {R::RadioButton, "合并文件", "focusable focused checkable checked", "Toggle,SetFocus"}},
    });
}

TEST_F(MainFAccessibilityTest, TheBarIsAProgressBarWithItsValueAndRange) {
    ExpectRows({
        {"at start", [](MainF& w) { return w.uo1; }, {R::ProgressBar, "", "", "0 (0) of 0..100"}},
        {"at 37", [](MainF& w) { SetBarValue(w.uo1, 37); return w.uo1; }, {R::ProgressBar, "", "", "37 (37) of 0..100"}},
        {"stopping, greyed", [](MainF& w) { SetBarText(w.uo1, QStringLiteral("正在停止…")); w.uo1->Enabled(kFalse); return w.uo1; },
         {R::ProgressBar, "正在停止…", "disabled", "37 (37) of 0..100"}},
    });
}

TEST_F(MainFAccessibilityTest, BoxesAreNamedByTheirLabels) {
    ExpectRows({
        {"source", [](MainF& w) { return w.txtPsd; }, {R::EditableText, "分割文件:", "focusable", "SetFocus"}},
        {"folder", [](MainF& w) { return w.Text1; }, {R::EditableText, "目标地址:", "focusable", "SetFocus"}},
        {"size", [](MainF& w) { return w.Text2; }, {R::EditableText, "分割大小:", "focusable", "SetFocus"}},
    });
}

// The action is posted: it runs once pending events do, and then does what a click does.
TEST_F(MainFAccessibilityTest, PressAndToggleDoWhatAClickDoes) {
    const struct {
        std::function<Control*(MainF&)> control;
        QString action;
        QString clicks;
        int fileDialogs;
        bool merge;
    } cases[] = {
        {[](MainF& w) { return w.Command2; }, "Press", "Command2", 0, false},
        {[](MainF& w) { return w.GetFile; }, "Toggle", "GetFile", 0, true},
        {[](MainF& w) { w.cmdFile->CheckBoxMode(kTrue); return w.cmdFile; }, "Toggle", "cmdFile", 1, false},
        {[](MainF& w) { w.Command3->Enabled(kFalse); return w.Command3; }, "Press", "", 0, false},
    };
    for (const auto& c : cases) {
        MainF w((InstallAccessibleControls(), shell));
        w.show();
        QString clicks;
        for (Control* control : w.Controls()) {
            const auto note = [&clicks, control] { clicks += control->objectName(); };
            if (auto* option = qobject_cast<ua*>(control)) QObject::connect(option, &ua::Click, note);
            if (auto* button = qobject_cast<bt*>(control)) QObject::connect(button, &bt::Click, note);
        }
        shell.fileDialogCalls.clear();
        Control* control = c.control(w);
        Of(control)->actionInterface()->doAction(c.action);
        EXPECT_EQ(clicks, "") << c.action.toStdString() << " on " << control->objectName().toStdString();
        QCoreApplication::processEvents();
        EXPECT_EQ(clicks, c.clicks) << c.action.toStdString() << " on " << control->objectName().toStdString();
        EXPECT_EQ(shell.fileDialogCalls.size(), c.fileDialogs);
        EXPECT_EQ(OptionValue(w.GetFile), c.merge);
        EXPECT_EQ(w.Text2->isEnabled(), !c.merge);
    }
}

// Each change a control shows is announced once: a new name, the states that changed, a new
// value. Qt tells only while an accessibility bus listens, as tests/app/atspi/atspi-test.sh
// runs it.
TEST_F(MainFAccessibilityTest, ChangesAreAnnouncedAsTheyShow) {
    if (!QAccessible::isActive()) GTEST_SKIP() << "no accessibility bus listens: tests/app/atspi/atspi-test.sh runs this";
    static QStringList heard;
    QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
        const QString name = event->object() ? event->object()->objectName() : QString();
        if (event->type() == QAccessible::NameChanged) heard << name + " name";
        if (event->type() == QAccessible::StateChanged)
            heard << name + " " + States(static_cast<QAccessibleStateChangeEvent*>(event)->changedStates());
        if (event->type() == QAccessible::ValueChanged)
            heard << name + " value " + static_cast<QAccessibleValueChangeEvent*>(event)->value().toString();
    });
    const struct {
        std::function<void(MainF&)> change;
        QStringList heard;
    } cases[] = {
        {[](MainF& w) { SetBarValue(w.uo1, 37); }, {"uo1 value 37"}},
        {[](MainF& w) { SetBarText(w.uo1, QStringLiteral("正在停止…")); }, {"uo1 name"}},
        {[](MainF& w) { w.uo1->Enabled(kFalse); }, {"uo1 disabled"}},
        {[](MainF& w) { QTest::keyClick(w.opDelFale, Qt::Key_Right); }, {"Text2 disabled", "Okbs disabled", "Option3 disabled", "opDelFale checked", "GetFile checked"}},
        {[](MainF& w) { w.Command2->Caption(QStringLiteral("&Split")); }, {"Command2 name"}},
        {[](MainF& w) { w.Command2->setFocus(); QTest::keyPress(w.Command2, Qt::Key_Space); }, {"Command2 pressed default"}},
        {[](MainF& w) { w.cmdFile->CheckBoxMode(kTrue); w.cmdFile->Value(kTrue); }, {"cmdFile checkable checked"}},
    };
    for (const auto& c : cases) {
        window.repaint();
        heard.clear();
        c.change(window);
        QCoreApplication::processEvents();
        EXPECT_EQ(heard, c.heard);
    }
    QAccessible::installUpdateHandler(nullptr);
}

}  // namespace
}  // namespace tirnel::test
