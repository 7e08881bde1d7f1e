// Focus changes while widgets of the form are being destroyed: the form's own controls
// keep their default status, and nothing walks what is half gone.

#include "tests/platform/FormWithControl.h"

#include "platform/Form.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QCompleter>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace tirnel {
namespace {

using test::RecordingControl;

// The active form, its control able to be a default button and the form's default button.
struct DefaultForm : test::FormWithControl {
    RecordingControl* ok = control;

    DefaultForm() {
        ok->DefaultCapable(true);
        form.DefaultButton(ok);
    }
};

TEST(FormTeardownTest, AFolderDialogDestroyedWhileItsCompletionListHasTheFocus) {
    QTemporaryDir root;
    ASSERT_TRUE(QDir(root.path()).mkdir("subfolder"));
    DefaultForm f;
    auto dialog = std::make_unique<QFileDialog>(&f.form, "folder", root.path());
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setFileMode(QFileDialog::Directory);
    dialog->show();
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
    ASSERT_NE(name, nullptr);
    ASSERT_NE(name->completer(), nullptr);
    // Typing the start of a folder's name opens the completion list once the folder is read.
    QCompleter* completer = name->completer();
    QTest::keyClicks(name, "sub");
    ASSERT_TRUE(QTest::qWaitFor([completer] {
        if (completer->completionCount() > 0 && !completer->popup()->isVisible()) completer->complete();
        return completer->popup()->isVisible();
    }));
    // The list hands its focus on to the box it completes.
    QAbstractItemView* popup = completer->popup();
    popup->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([popup] { return popup->hasFocus(); }));

    dialog.reset();

    EXPECT_EQ(f.form.ShownDefault(), f.ok);
    EXPECT_EQ(f.ok->Ambient().DisplayAsDefault, kTrue);
}

TEST(FormTeardownTest, AContainerDestroyedWhileAWidgetInsideHasTheFocus) {
    const struct {
        const char* inside;
        bool window;            // the container is a window of its own parented to the form
        bool control;           // the focused widget is a default-capable control, else a text box
        QStringList okAmbient;  // what the form's default button hears
    } rows[] = {
        {"text box in a frame", false, false, {}},
        {"text box in a dialog", true, false, {}},
        // The focused control showed as the default; the default button takes over again.
        {"default-capable control in a frame", false, true, {"AmbientChanged DisplayAsDefault"}},
        {"default-capable control in a dialog", true, true, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.inside);
        DefaultForm f;
        auto* container = new QWidget(&f.form, row.window ? Qt::Dialog : Qt::Widget);
        container->setGeometry(0, 40, 120, 40);
        QWidget* focus = nullptr;
        if (row.control) {
            auto* control = new RecordingControl(container);
            control->DefaultCapable(true);
            control->Create();
            focus = control;
        } else {
            focus = new QLineEdit(container);
        }
        focus->setGeometry(5, 5, 60, 20);
        container->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(container->window()));
        container->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(container->window()));
        focus->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([focus] { return QApplication::focusWidget() == focus; }));
        f.ok->mCalls.clear();

        delete container;

        EXPECT_EQ(f.form.ShownDefault(), f.ok);
        EXPECT_EQ(f.ok->Ambient().DisplayAsDefault, kTrue);
        EXPECT_EQ(f.ok->mCalls.filter("AmbientChanged"), row.okAmbient);
    }
}

}  // namespace
}  // namespace tirnel
