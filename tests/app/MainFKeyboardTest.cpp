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

TEST(MainFKeyboardTest, SplitsAndMergesWithKeysAlone) {
    QTemporaryDir temp;
    const QString set = temp.path() + QStringLiteral("/set/");
    const QByteArray original(3100, 'k');
    ASSERT_TRUE(QDir().mkpath(set));
    QFile source(temp.filePath(QStringLiteral("data.bin")));
    ASSERT_TRUE(source.open(QIODevice::WriteOnly) && source.write(original) == original.size());
    source.close();
    FakeShellServices shell;
    MainF window(shell);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    // A key (Tab when none), then what it types, then where the focus is; to whatever has it.
    const struct {
        QKeyCombination key;
        QString typed;
        const char* focused;
    } steps[] = {
        {Qt::Key_Tab, source.fileName(), "txtPsd"}, {Qt::Key_Tab, "", "cmdFile"}, {Qt::Key_Tab, set, "Text1"},
        {Qt::Key_Tab, "", "cmdOpsee"}, {Qt::Key_Tab, "", "Text2"}, {Qt::ControlModifier | Qt::Key_A, "1", "Text2"},
        {Qt::Key_Tab, "", "Okbs"}, {Qt::Key_Tab, "", "Command2"}, {Qt::Key_Space, "", "Command2"},  // split
        {Qt::Key_Tab, "", "Command3"}, {Qt::Key_Tab, "", "tQueries"}, {Qt::Key_Tab, "", "opDelFale"},
        {Qt::Key_Right, "", "GetFile"}, {Qt::Key_Tab, set + "data.hpe", "txtPsd"}, {Qt::Key_Tab, "", "cmdFile"},
        {Qt::Key_Tab, "", "Text1"}, {Qt::Key_Tab, "", "cmdOpsee"}, {Qt::Key_Tab, "", "Command2"},
        {Qt::Key_Tab, "", "Command3"}, {Qt::Key_Space, "", "Command3"},  // merge
    };
    EXPECT_EQ(QApplication::focusWidget(), window.opDelFale);
    for (const auto& step : steps) {
        QTest::keyClick(QApplication::focusWidget(), step.key.key(), step.key.keyboardModifiers());
        QTest::keyClicks(QApplication::focusWidget(), step.typed);
        ASSERT_EQ(QApplication::focusWidget()->objectName(), step.focused);
    }
    EXPECT_EQ(shell.notices, (std::vector<QString>{"文件分割完毕!", "文件合并完毕!"}));
    EXPECT_TRUE(QFile::exists(set + "004.pe"));
    QFile rebuilt(set + "data.bin");
    ASSERT_TRUE(rebuilt.open(QIODevice::ReadOnly));
    EXPECT_EQ(rebuilt.readAll(), original);
}

}  // namespace
}  // namespace tirnel::test
