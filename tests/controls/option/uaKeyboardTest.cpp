// Options from the keyboard: the keys, one tab stop for each group, the focus mark.

#include "OptionTestSupport.h"

#include <QApplication>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <map>

namespace tirnel {
namespace {

// "a", "b", "c" (Tag "1") and "d" (Tag "2") in this tab order, then a text box; "b" and "d"
// are on.
struct KeyWindow {
    test::FakePointer pointer;
    QWidget window;
    std::map<QString, ua*> options;
    QLineEdit* box;
    test::EventLog log;

    KeyWindow() {
        for (const char* name : {"a", "b", "c", "d"}) {
            options[name] = test::MakeOption(&window, name, *name == 'd' ? "2" : "1", {0, 25 * (*name - 'a'), 100, 20}, pointer);
            log.Watch(*options[name]);
        }
        box = new QLineEdit(&window);
        box->setObjectName(QStringLiteral("box"));
        box->setGeometry(0, 110, 100, 20);
        for (const char* on : {"b", "d"}) options[on]->Value(kTrue);
        test::ShowWindow(window);
        log.entries.clear();
    }
    QString Named(bool (*has)(const ua*)) const {
        QString names;
        for (const auto& [name, option] : options)
            if (has(option)) names += name;
        return names;
    }
    QString On() const { return Named([](const ua* o) { return IsTrue(o->Value()); }); }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) { QTest::keyClick(QApplication::focusWidget(), key, modifiers); }
};

TEST(uaKeyboardTest, SpaceSelectsArrowsSelectTheNeighbourInTheGroupTabLeavesIt) {
    const struct {
        QKeyCombination key;
        const char* disabled;  // the group
        const char* focused;   // before
        const char* on;        // after, then the option focused and the clicks raised
        const char* nowFocused;
        QStringList clicks;
    } cases[] = {
        {Qt::Key_Space, "", "a", "ad", "a", {"a Click"}},
        {Qt::Key_Space, "", "b", "bd", "b", {"b Click"}},
        {Qt::Key_Right, "", "b", "cd", "c", {"c Click"}},
        {Qt::Key_Down, "", "b", "cd", "c", {"c Click"}},
        {Qt::Key_Left, "", "b", "ad", "a", {"a Click"}},
        {Qt::Key_Up, "", "a", "cd", "c", {"c Click"}},
        {Qt::Key_Right, "", "c", "ad", "a", {"a Click"}},
        {Qt::Key_Right, "c", "b", "ad", "a", {"a Click"}},
        {Qt::Key_Right, "", "d", "bd", "d", {"d Click"}},
        {Qt::ControlModifier | Qt::Key_Right, "", "b", "bd", "b", {}},
        {Qt::AltModifier | Qt::Key_Space, "", "b", "bd", "b", {}},
        {Qt::Key_Return, "", "b", "bd", "b", {}},
        {Qt::Key_Tab, "", "b", "bd", "d", {}},
        {Qt::Key_Tab, "", "d", "bd", "box", {}},
    };
    for (const auto& c : cases) {
        KeyWindow w;
        if (*c.disabled) w.options[c.disabled]->Enabled(kFalse);
        w.options[c.focused]->setFocus();
        w.Press(c.key.key(), c.key.keyboardModifiers());
        const std::string label = QKeySequence(c.key).toString().toStdString() + " on " + c.focused;
        EXPECT_EQ(w.On(), c.on) << label;
        EXPECT_EQ(QApplication::focusWidget()->objectName(), c.nowFocused) << label;
        EXPECT_EQ(w.log.Matching("Click"), c.clicks) << label;
    }
}

TEST(uaKeyboardTest, TabStopsAtTheEnabledOptionThatIsOnElseAtTheFirstEnabled) {
    const struct {
        const char *on, *disabled, *stops;  // of "a", "b", "c"
    } cases[] = {{"b", "", "b"}, {"", "", "a"}, {"b", "b", "a"}, {"c", "a", "c"}, {"", "a", "b"}};
    for (const auto& c : cases) {
        KeyWindow w;
        for (const QString name : {"a", "b", "c"}) {
            w.options[name]->Value(ToBoolean(QString(c.on).contains(name)));
            w.options[name]->Enabled(ToBoolean(!QString(c.disabled).contains(name)));
        }
        w.options.erase("d");
        EXPECT_EQ(w.Named([](const ua* o) { return (o->focusPolicy() & Qt::TabFocus) != 0; }), c.stops) << c.on << "/" << c.disabled;
    }
}

TEST(uaKeyboardTest, TheFocusMarkShowsWhileTheFocusCameFromTheKeyboard) {
    const std::pair<void (*)(KeyWindow&), bool> cases[] = {
        {[](KeyWindow&) {}, false},  // the window's first focus
        {[](KeyWindow& w) { w.box->setFocus(); w.Press(Qt::Key_Tab); }, true},
        {[](KeyWindow& w) { w.options["d"]->setFocus(); w.Press(Qt::Key_Backtab); }, true},
        {[](KeyWindow& w) { QTest::mouseClick(w.options["b"], Qt::LeftButton, {}, {50, 10}); }, false},
        {[](KeyWindow& w) { QTest::mouseClick(w.options["b"], Qt::LeftButton, {}, {50, 10}); w.Press(Qt::Key_Space); }, true},
        {[](KeyWindow& w) { w.box->setFocus(); w.Press(Qt::Key_Tab); w.Press(Qt::Key_Tab); }, false},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        KeyWindow w;
        cases[i].first(w);
        EXPECT_EQ(w.options["b"]->ShowsFocusMark(), cases[i].second) << "case " << i;
    }
}

// The mark inverts every other pixel of a rectangle one pixel round the caption.
TEST(uaKeyboardTest, TheFocusMarkIsADottedRectangleRoundTheCaption) {
    KeyWindow w;
    ua* b = w.options["b"];
    const QImage unmarked = b->DrawingSurface().Image().copy();
    w.box->setFocus();
    w.Press(Qt::Key_Tab);
    ASSERT_EQ(b->CaptionPart().Bounds, (Rect{20, 4, 26, 16}));
    const Rect mark{19, 3, 27, 17};
    for (int y = 0; y < b->height(); ++y)
        for (int x = 0; x < b->width(); ++x) {
            const bool edge = mark.Contains(x, y) && (x == 19 || x == 26 || y == 3 || y == 16);
            EXPECT_EQ(b->DrawingSurface().Image().pixel(x, y) != unmarked.pixel(x, y), edge && (x + y) % 2 == 0) << x << "," << y;
        }
}

}  // namespace
}  // namespace tirnel
