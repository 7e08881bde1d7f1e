// Options from the keyboard: the keys, one tab stop for each group, the focus mark.

#include "OptionTestSupport.h"

#include <QApplication>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <map>

namespace tirnel {
namespace {

using test::EventLog;
using test::FakePointer;
using test::MakeOption;

// "a", "b" and "c" (Tag "1"), "d" (Tag "2") in this tab order, then a text box; "b" and "d"
// are on, "c" is disabled when asked.
struct KeyWindow {
    FakePointer pointer;
    QWidget window;
    std::map<QString, ua*> options;
    QLineEdit* box;
    EventLog log;

    explicit KeyWindow(bool cDisabled = false) {
        window.resize(300, 140);
        int row = 0;
        for (const char* name : {"a", "b", "c", "d"}) {
            options[name] = MakeOption(&window, name, name[0] == 'd' ? "2" : "1", {0, 25 * row++, 100, 20}, pointer);
            log.Watch(*options[name]);
        }
        box = new QLineEdit(&window);
        box->setObjectName(QStringLiteral("box"));
        box->setGeometry(0, 110, 100, 20);
        for (const char* on : {"b", "d"}) options[on]->Value(kTrue);
        if (cDisabled) options["c"]->Enabled(kFalse);
        test::ShowWindow(window);
        log.entries.clear();
    }
    QString On() const {
        QString on;
        for (const auto& [name, option] : options)
            if (IsTrue(option->Value())) on += name;
        return on;
    }
    QString Focused() const { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : ""; }
    // A key as the user presses it: to whatever has the focus.
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
};

TEST(uaKeyboardTest, SpaceSelectsArrowsSelectAndFocusTheNeighbourTabLeaves) {
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool cDisabled;  // the group
        const char* focused;  // before
        const char* on;       // after: the options on, the one focused, the clicks
        const char* nowFocused;
        QStringList clicks;
    } cases[] = {
        {Qt::Key_Space, {}, false, "a", "ad", "a", {"a Click"}},
        {Qt::Key_Space, {}, false, "b", "bd", "b", {"b Click"}},
        {Qt::Key_Right, {}, false, "b", "cd", "c", {"c Click"}},
        {Qt::Key_Down, {}, false, "b", "cd", "c", {"c Click"}},
        {Qt::Key_Left, {}, false, "b", "ad", "a", {"a Click"}},
        {Qt::Key_Up, {}, false, "a", "cd", "c", {"c Click"}},
        {Qt::Key_Right, {}, false, "c", "ad", "a", {"a Click"}},
        {Qt::Key_Right, {}, true, "b", "ad", "a", {"a Click"}},
        {Qt::Key_Right, {}, false, "d", "bd", "d", {"d Click"}},
        {Qt::Key_Right, Qt::ControlModifier, false, "b", "bd", "b", {}},
        {Qt::Key_Space, Qt::AltModifier, false, "b", "bd", "b", {}},
        {Qt::Key_Return, {}, false, "b", "bd", "b", {}},
        {Qt::Key_Tab, {}, false, "b", "bd", "d", {}},
        {Qt::Key_Tab, {}, false, "d", "bd", "box", {}},
    };
    for (const auto& c : cases) {
        KeyWindow w(c.cDisabled);
        w.options[c.focused]->setFocus(Qt::OtherFocusReason);
        w.Press(c.key, c.modifiers);
        const std::string label = QKeySequence(c.key | c.modifiers).toString().toStdString() + " on " + c.focused;
        EXPECT_EQ(w.On(), QString::fromLatin1(c.on)) << label;
        EXPECT_EQ(w.Focused(), QString::fromLatin1(c.nowFocused)) << label;
        EXPECT_EQ(w.log.Matching("Click"), c.clicks) << label;
    }
}

TEST(uaKeyboardTest, KeysAreRaisedBeforeTheOptionActsOnThem) {
    KeyWindow w;
    w.options["a"]->setFocus();
    w.Press(Qt::Key_Space);
    EXPECT_EQ(w.log.entries, (QStringList{"a KeyDown 32 0", "a Click", "a Value=0", "b Value=0", "c Value=0",
                                          "a Value=-1", "a KeyPress 32", "a KeyUp 32 0"}));
}

TEST(uaKeyboardTest, TabStopsAtTheEnabledOptionThatIsOnElseAtTheFirstEnabled) {
    const struct {
        const char* on;
        const char* disabled;
        const char* stops;  // of the group "a", "b", "c"
    } cases[] = {{"b", "", "b"}, {"", "", "a"}, {"b", "b", "a"}, {"c", "a", "c"}, {"", "a", "b"}};
    for (const auto& c : cases) {
        KeyWindow w;
        for (const QString name : {"a", "b", "c"}) {
            w.options[name]->Value(ToBoolean(QString::fromLatin1(c.on).contains(name)));
            w.options[name]->Enabled(ToBoolean(!QString::fromLatin1(c.disabled).contains(name)));
        }
        QString stops;
        for (const QString name : {"a", "b", "c"})
            if (w.options[name]->focusPolicy() & Qt::TabFocus) stops += name;
        EXPECT_EQ(stops, QString::fromLatin1(c.stops)) << c.on << " on, " << c.disabled << " disabled";
    }
}

TEST(uaKeyboardTest, TheFocusMarkShowsWhileTheFocusCameFromTheKeyboard) {
    const struct {
        const char* how;
        void (*focus)(KeyWindow&);
        bool marked;  // "b"
    } cases[] = {
        {"window shown", [](KeyWindow&) {}, false},
        {"Tab", [](KeyWindow& w) { w.box->setFocus(); w.Press(Qt::Key_Tab); }, true},
        {"Shift+Tab", [](KeyWindow& w) { w.options["d"]->setFocus(); w.Press(Qt::Key_Backtab); }, true},
        {"click", [](KeyWindow& w) { QTest::mouseClick(w.options["b"], Qt::LeftButton, {}, {50, 10}); }, false},
        {"click, Space", [](KeyWindow& w) { QTest::mouseClick(w.options["b"], Qt::LeftButton, {}, {50, 10}); w.Press(Qt::Key_Space); }, true},
        {"Tab, Tab", [](KeyWindow& w) { w.box->setFocus(); w.Press(Qt::Key_Tab); w.Press(Qt::Key_Tab); }, false},
    };
    for (const auto& c : cases) {
        KeyWindow w;
        c.focus(w);
        EXPECT_EQ(w.options["b"]->ShowsFocusMark(), c.marked) << c.how;
    }
}

// The mark inverts every other pixel of a rectangle one pixel round the caption.
TEST(uaKeyboardTest, TheFocusMarkIsADottedRectangleRoundTheCaption) {
    KeyWindow w;
    ua* b = w.options["b"];
    const QImage unmarked = b->DrawingSurface().Image().copy();
    w.box->setFocus();
    w.Press(Qt::Key_Tab);
    ASSERT_TRUE(b->ShowsFocusMark());
    const QImage marked = b->DrawingSurface().Image();
    // The caption "b" stands at (20, 4) to (26, 16).
    ASSERT_EQ(b->CaptionPart().Bounds, (Rect{20, 4, 26, 16}));
    const Rect mark{19, 3, 27, 17};
    for (int y = 0; y < b->height(); ++y)
        for (int x = 0; x < b->width(); ++x) {
            const bool onEdge = mark.Contains(x, y) && (x == mark.left || x == mark.right - 1 || y == mark.top || y == mark.bottom - 1);
            EXPECT_EQ(marked.pixel(x, y) != unmarked.pixel(x, y), onEdge && (x + y) % 2 == 0) << x << "," << y;
        }
}

}  // namespace
}  // namespace tirnel
