// The form's default and cancel buttons: which control shows as the default as the focus
// moves, and where Enter and Escape go.

#include "tests/platform/RecordingControl.h"

#include "platform/Form.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

namespace tirnel {
namespace {

using test::RecordingControl;

// An active form with two controls that can be default buttons (ok, cancel), one that
// cannot (plain) and a text box.
struct ButtonForm {
    Form form;
    RecordingControl* ok = Add("ok", 0, true);
    RecordingControl* cancel = Add("cancel", 1, true);
    RecordingControl* plain = Add("plain", 2, false);
    QLineEdit* text = new QLineEdit(&form);

    ButtonForm() {
        form.resize(200, 100);
        text->setObjectName("text");
        text->setGeometry(10, 70, 80, 20);
        form.show();
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    RecordingControl* Add(const char* name, int column, bool defaultCapable) {
        auto* control = new RecordingControl(&form);
        control->setObjectName(name);
        control->setGeometry(10 + 60 * column, 10, 50, 20);
        control->DefaultCapable(defaultCapable);
        control->Create();
        return control;
    }
    QWidget* Named(const QString& name) { return name.isEmpty() ? nullptr : form.findChild<QWidget*>(name); }
};

TEST(FormDefaultButtonTest, DisplayAsDefaultFollowsTheFocusAndTheDefaultButton) {
    const struct {
        const char* defaultButton;
        const char* focus;
        const char* laterDefault;  // the default button set again after the focus moved
        const char* shown;
    } rows[] = {
        {"", "plain", "", ""},
        {"ok", "plain", "ok", "ok"},
        {"ok", "text", "ok", "ok"},
        {"ok", "ok", "ok", "ok"},
        {"ok", "cancel", "ok", "cancel"},  // a focused default-capable control takes over
        {"", "cancel", "", "cancel"},
        {"ok", "text", "cancel", "cancel"},
        {"ok", "plain", "", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(QStringLiteral("default %1, focus %2, then default %3")
                         .arg(row.defaultButton, row.focus, row.laterDefault)
                         .toStdString());
        ButtonForm f;
        f.form.DefaultButton(qobject_cast<Control*>(f.Named(row.defaultButton)));
        f.Named(row.focus)->setFocus();
        f.form.DefaultButton(qobject_cast<Control*>(f.Named(row.laterDefault)));

        EXPECT_EQ(f.form.ShownDefault(), f.Named(row.shown));
        for (RecordingControl* c : {f.ok, f.cancel, f.plain}) {
            const bool shown = c == f.Named(row.shown);
            EXPECT_EQ(c->Ambient().DisplayAsDefault, ToBoolean(shown)) << c->objectName().toStdString();
            // Every change was announced: an odd number of them leaves it True.
            EXPECT_EQ(c->mCalls.count("AmbientChanged DisplayAsDefault") % 2, shown ? 1 : 0)
                << c->objectName().toStdString();
        }
    }
}

TEST(FormDefaultButtonTest, AControlThatChangesWhetherItCanBeDefaultTellsItsForm) {
    const struct {
        const char* focus;
        const char* changed;
        bool capable;
        const char* shown;
    } rows[] = {
        {"plain", "plain", true, "plain"},
        {"cancel", "cancel", false, "ok"},
        {"text", "plain", true, "ok"},  // only the focused control takes over
        {"plain", "cancel", false, "ok"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(QStringLiteral("focus %1, %2 capable %3").arg(row.focus, row.changed).arg(row.capable).toStdString());
        ButtonForm f;
        f.form.DefaultButton(f.ok);
        f.Named(row.focus)->setFocus();
        qobject_cast<Control*>(f.Named(row.changed))->DefaultCapable(row.capable);

        for (RecordingControl* c : {f.ok, f.cancel, f.plain})
            EXPECT_EQ(c->Ambient().DisplayAsDefault, ToBoolean(c == f.Named(row.shown))) << c->objectName().toStdString();
    }
}

TEST(FormDefaultButtonTest, EnterAndEscapeReachTheDefaultAndCancelButtons) {
    const struct {
        bool withButtons;
        const char* focus;
        Qt::Key key;
        QStringList ok, cancel, plain;
    } rows[] = {
        {true, "plain", Qt::Key_Return, {"AccessKeyPress 13"}, {}, {}},
        {true, "plain", Qt::Key_Escape, {}, {"AccessKeyPress 27"}, {}},
        {true, "text", Qt::Key_Return, {"AccessKeyPress 13"}, {}, {}},
        // A focused control that can be a default button gets the key as any other.
        {true, "cancel", Qt::Key_Return, {}, {"KeyDown 13 0", "KeyPress 13"}, {}},
        {true, "ok", Qt::Key_Escape, {"KeyDown 27 0", "KeyPress 27"}, {}, {}},
        // Other keys, and a form without buttons, leave the focused control its keys.
        {true, "plain", Qt::Key_Space, {}, {}, {"KeyDown 32 0", "KeyPress 32"}},
        {false, "plain", Qt::Key_Return, {}, {}, {"KeyDown 13 0", "KeyPress 13"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(QStringLiteral("focus %1, key %2, buttons %3")
                         .arg(row.focus)
                         .arg(row.key)
                         .arg(row.withButtons)
                         .toStdString());
        ButtonForm f;
        if (row.withButtons) {
            f.form.DefaultButton(f.ok);
            f.form.CancelButton(f.cancel);
        }
        QWidget* focus = f.Named(row.focus);
        focus->setFocus();
        for (RecordingControl* c : {f.ok, f.cancel, f.plain}) c->mCalls.clear();
        QTest::keyClick(focus, row.key);
        // Key-downs and what they bring; releases go to the focused widget as they are.
        const auto keysOf = [](RecordingControl* c) {
            QStringList keys = c->mCalls.filter("Key");
            keys.removeIf([](const QString& call) { return call.startsWith("KeyUp"); });
            return keys;
        };
        EXPECT_EQ(keysOf(f.ok), row.ok);
        EXPECT_EQ(keysOf(f.cancel), row.cancel);
        EXPECT_EQ(keysOf(f.plain), row.plain);
    }
}

}  // namespace
}  // namespace tirnel
