// The window from the keyboard alone: a split and a merge from a fresh start.

#include "app/MainF.h"
#include "tests/app/FakeShellServices.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace tirnel::test {
namespace {

class MainFKeyboardTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(temp.isValid());
        QFile file(source);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(original), original.size());
        file.close();
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    // Keys and text go to whatever has the focus, as a user's do.
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    void Type(const QString& text) { QTest::keyClicks(QApplication::focusWidget(), text); }
    // Tab, then the focus is on `name`.
    void Tab(const char* name) {
        Press(Qt::Key_Tab);
        ASSERT_TRUE(QApplication::focusWidget());
        EXPECT_EQ(QApplication::focusWidget()->objectName(), QString::fromLatin1(name));
    }

    QTemporaryDir temp;
    const QString source = temp.filePath(QStringLiteral("data.bin"));
    const QString setFolder = temp.path() + QStringLiteral("/set/");
    const QByteArray original = QByteArray(3000, 'k') + QByteArray(100, 'e');
    FakeShellServices shell;
    MainF window{shell};
};

TEST_F(MainFKeyboardTest, SplitsAndMergesWithKeysAlone) {
    ASSERT_TRUE(QDir().mkpath(setFolder));
    EXPECT_EQ(QApplication::focusWidget(), window.opDelFale);
    EXPECT_FALSE(window.opDelFale->ShowsFocusMark());

    Tab("txtPsd");
    Type(source);
    Tab("cmdFile");
    Tab("Text1");
    Type(setFolder);
    Tab("cmdOpsee");
    Tab("Text2");
    Press(Qt::Key_A, Qt::ControlModifier);
    Type(QStringLiteral("1"));
    Tab("Okbs");
    Tab("Command2");
    Press(Qt::Key_Space);
    ASSERT_FALSE(shell.notices.empty());
    EXPECT_EQ(shell.notices.back(), QStringLiteral("文件分割完毕!"));
    EXPECT_TRUE(QFile::exists(setFolder + QStringLiteral("004.pe")));

    Tab("Command3");
    Tab("tQueries");
    Tab("opDelFale");
    Press(Qt::Key_Right);
    EXPECT_EQ(QApplication::focusWidget(), window.GetFile);
    EXPECT_TRUE(window.GetFile->ShowsFocusMark());
    EXPECT_TRUE(OptionValue(window.GetFile));
    Tab("txtPsd");
    Type(setFolder + QStringLiteral("data.hpe"));
    Tab("cmdFile");
    Tab("Text1");
    Tab("cmdOpsee");
    Tab("Command2");
    Tab("Command3");
    Press(Qt::Key_Space);
    EXPECT_EQ(shell.notices.back(), QStringLiteral("文件合并完毕!"));
    QFile rebuilt(setFolder + QStringLiteral("data.bin"));
    ASSERT_TRUE(rebuilt.open(QIODevice::ReadOnly));
    EXPECT_EQ(rebuilt.readAll(), original);
    EXPECT_TRUE(shell.fileDialogCalls.empty());
}

}  // namespace
}  // namespace tirnel::test
