// The main window without runs: start state, layout, modes, the size box and the choosers.

#include "app/MainF.h"
#include "tests/app/FakeShellServices.h"
#include "tests/app/WindowTestSupport.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QImage>
#include <QMenu>
#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

namespace tirnel::test {
namespace {

class MainFTest : public ::testing::Test {
protected:
    void SetUp() override { window.show(); }

    FakeShellServices shell;
    MainF window{shell};
};

TEST_F(MainFTest, StartsInSplitModeWithKilobytes) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Tirnel文件分割器V1.08"));
    EXPECT_TRUE(OptionValue(window.opDelFale));
    EXPECT_FALSE(OptionValue(window.GetFile));
    EXPECT_TRUE(OptionValue(window.Okbs));
    EXPECT_FALSE(OptionValue(window.Option3));
    EXPECT_EQ(window.Text2->text(), QStringLiteral("100"));
    EXPECT_TRUE(window.Text2->isEnabled());
    EXPECT_TRUE(window.Okbs->isEnabled());
    EXPECT_TRUE(window.Option3->isEnabled());
    EXPECT_TRUE(window.txtPsd->text().isEmpty());
    EXPECT_TRUE(window.Text1->text().isEmpty());
    EXPECT_TRUE(BarText(window.uo1).isEmpty());
    EXPECT_EQ(BarValue(window.uo1), 0);
    EXPECT_FALSE(window.Running());
    EXPECT_EQ(window.size(), QSize(312, 199));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
}

TEST_F(MainFTest, ControlsStandAtTheirPixels) {
    // Twips of the layout over 15, to the nearest pixel; the text boxes after framing.
    const struct {
        QWidget* control;
        QRect pixels;
    } cases[] = {
        {window.Picture1, {4, 2, 199, 31}},   {window.opDelFale, {10, 7, 81, 16}},
        {window.GetFile, {94, 7, 81, 16}},    {window.Label5, {10, 35, 292, 1}},
        {window.Label6, {10, 36, 292, 1}},    {window.Label2, {10, 50, 60, 12}},
        {window.txtPsd, {73, 45, 189, 17}},   {window.cmdFile, {274, 44, 27, 21}},
        {window.Text1, {73, 77, 189, 17}},    {window.Text2, {73, 109, 66, 17}},
        {window.Okbs, {150, 112, 43, 16}},    {window.Option3, {196, 112, 43, 16}},
        {window.uo1, {10, 140, 293, 17}},     {window.Command2, {10, 168, 73, 21}},
        {window.Command3, {118, 168, 73, 21}}, {window.tQueries, {228, 168, 73, 21}},
    };
    for (const auto& c : cases) EXPECT_EQ(c.control->geometry(), c.pixels) << c.control->objectName().toStdString();
    EXPECT_EQ(window.opDelFale->parentWidget(), window.Picture1);
    EXPECT_EQ(window.Okbs->parentWidget(), &window);
}

TEST_F(MainFTest, TextBoxesAreFramedInBlueAndSeparatorIsEtched) {
    const QImage image = window.grab().toImage();
    const QColor frame(84, 165, 213);
    // txtPsd moved to (1095, 675, 2840, 255) twips: frame from (1080, 645) to (3950, 945).
    for (QPoint corner : {QPoint(72, 43), QPoint(263, 43), QPoint(72, 63), QPoint(263, 63), QPoint(150, 43)}) {
        EXPECT_EQ(image.pixelColor(corner), frame) << corner.x() << "," << corner.y();
    }
    // Text2 moved to (1095, 1635, 990, 255): frame from (1080, 1605) to (2100, 1905).
    for (QPoint corner : {QPoint(72, 107), QPoint(140, 107), QPoint(72, 127), QPoint(140, 127)}) {
        EXPECT_EQ(image.pixelColor(corner), frame) << corner.x() << "," << corner.y();
    }
    EXPECT_NE(image.pixelColor(QPoint(264, 50)), frame);
    EXPECT_FALSE(window.txtPsd->hasFrame());
    EXPECT_EQ(image.pixelColor(QPoint(100, 35)), QColor(180, 180, 180));
    EXPECT_EQ(image.pixelColor(QPoint(100, 36)), QColor(244, 247, 252));

    // Still there after the window repaints.
    window.update();
    QCoreApplication::processEvents();
    EXPECT_EQ(window.grab().toImage().pixelColor(QPoint(72, 43)), frame);
}

// Top to bottom, left to right; of each pair of options only the one that is on is a stop.
TEST_F(MainFTest, TabFollowsTheWindowFromTopToBottom) {
    const QStringList expected = {"opDelFale", "txtPsd", "cmdFile",  "Text1",    "cmdOpsee", "Text2",
                                  "Okbs",      "Command2", "Command3", "tQueries"};
    QStringList chain;
    QWidget* w = window.opDelFale;
    do {
        if (w->focusPolicy() & Qt::TabFocus) chain << w->objectName();
        w = w->nextInFocusChain();
    } while (w != window.opDelFale && chain.size() < 40);
    EXPECT_EQ(chain, expected);
}

TEST_F(MainFTest, MergeModeClearsSourceAndDisablesSize) {
    window.txtPsd->setText(QStringLiteral("/data/a.bin"));
    ClickOption(window.GetFile);
    EXPECT_TRUE(OptionValue(window.GetFile));
    EXPECT_FALSE(OptionValue(window.opDelFale));
    EXPECT_TRUE(window.txtPsd->text().isEmpty());
    EXPECT_FALSE(window.Text2->isEnabled());
    EXPECT_FALSE(window.Okbs->isEnabled());
    EXPECT_FALSE(window.Option3->isEnabled());
    EXPECT_TRUE(OptionValue(window.Okbs));  // the unit pair is a group of its own

    window.txtPsd->setText(QStringLiteral("/data/a.hpe"));
    ClickOption(window.opDelFale);
    EXPECT_TRUE(OptionValue(window.opDelFale));
    EXPECT_FALSE(OptionValue(window.GetFile));
    EXPECT_EQ(window.txtPsd->text(), QStringLiteral("/data/a.hpe"));
    EXPECT_TRUE(window.Text2->isEnabled());
    EXPECT_TRUE(window.Okbs->isEnabled());
    EXPECT_TRUE(window.Option3->isEnabled());
}

TEST_F(MainFTest, ClickOnAnOptionAlreadyOnKeepsItOnAndStillActs) {
    window.Text2->setEnabled(false);
    ClickOption(window.opDelFale);
    EXPECT_TRUE(OptionValue(window.opDelFale));
    EXPECT_TRUE(window.Text2->isEnabled());
}

TEST_F(MainFTest, UnitOptionsFormTheirOwnGroup) {
    ClickOption(window.Option3);
    EXPECT_TRUE(OptionValue(window.Option3));
    EXPECT_FALSE(OptionValue(window.Okbs));
    EXPECT_TRUE(OptionValue(window.opDelFale));
    ClickOption(window.Okbs);
    EXPECT_TRUE(OptionValue(window.Okbs));
    EXPECT_FALSE(OptionValue(window.Option3));
}

TEST_F(MainFTest, SizeBoxTakesOnlyDigits) {
    const struct {
        const char* typed;
        const char* expected;
    } cases[] = {
        {"1a.2", "10012"},
        {" -+e,", "100"},
        {"007", "100007"},
    };
    for (const auto& c : cases) {
        window.Text2->setText(QStringLiteral("100"));
        window.Text2->setFocus();
        window.Text2->end(false);
        QTest::keyClicks(window.Text2, QString::fromLatin1(c.typed));
        EXPECT_EQ(window.Text2->text(), QString::fromLatin1(c.expected)) << c.typed;
    }
    QTest::keyClick(window.Text2, Qt::Key_Backspace);
    EXPECT_EQ(window.Text2->text(), QStringLiteral("10000"));
    window.Text2->home(false);
    QTest::keyClick(window.Text2, Qt::Key_Delete);
    EXPECT_EQ(window.Text2->text(), QStringLiteral("0000"));
}

TEST_F(MainFTest, EmptiedSizeBoxHoldsZero) {
    window.Text2->selectAll();
    QTest::keyClick(window.Text2, Qt::Key_Backspace);
    EXPECT_EQ(window.Text2->text(), QStringLiteral("0"));

    window.Text2->setText(QStringLiteral("12"));
    window.Text2->selectAll();
    QTest::keyClick(window.Text2, Qt::Key_Delete);
    EXPECT_EQ(window.Text2->text(), QStringLiteral("0"));

    window.Text2->setText(QString());
    EXPECT_EQ(window.Text2->text(), QStringLiteral("0"));
}

// Text pasted into the size box is read as a size: digits, a unit suffix choosing the unit.
TEST_F(MainFTest, PastedTextIsReadAsASize) {
    const struct {
        const char* pasted;
        bool selected;  // the box's "100" selected, else the cursor at its end
        bool megabytesBefore;
        const char* boxAfter;
        bool megabytesAfter;
        const char* notice;  // empty: none
    } rows[] = {
        {"250", true, false, "250", false, ""},
        {"007", false, true, "100007", true, ""},
        {"100MB", true, false, "100", true, ""},
        {"2m", true, false, "2", true, ""},
        {"700kb", true, true, "700", false, ""},
        {"3K", false, false, "1003", false, ""},
        {"1e3", true, false, "100", false,
         "无法识别分割大小 \"1e3\" 中的 \"e3\":应为整数,可带单位 K、KB、M 或 MB,例如 100、700KB、2M。"},
        {"1.5", true, true, "100", true,
         "无法识别分割大小 \"1.5\" 中的 \".5\":应为整数,可带单位 K、KB、M 或 MB,例如 100、700KB、2M。"},
        {"１００", true, false, "100", false,
         "无法识别分割大小 \"１００\":应为整数,可带单位 K、KB、M 或 MB,例如 100、700KB、2M。"},
        {"100MB2", false, false, "100", false,
         "无法识别分割大小 \"100MB2\" 中的 \"MB2\":应为整数,可带单位 K、KB、M 或 MB,例如 100、700KB、2M。"},
        {" 100", true, false, "100", false,
         "无法识别分割大小 \" 100\":应为整数,可带单位 K、KB、M 或 MB,例如 100、700KB、2M。"},
        {"-5", true, false, "100", false,
         "无法识别分割大小 \"-5\":应为整数,可带单位 K、KB、M 或 MB,例如 100、700KB、2M。"},
        {"", true, false, "100", false, ""},  // nothing to paste
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.pasted);
        ClickOption(row.megabytesBefore ? window.Option3 : window.Okbs);
        window.Text2->setText(QStringLiteral("100"));
        window.Text2->setFocus();
        if (row.selected) window.Text2->selectAll();
        else window.Text2->end(false);
        shell.notices.clear();
        shell.noticeStyles.clear();
        QGuiApplication::clipboard()->setText(QString::fromUtf8(row.pasted));

        QTest::keyClick(window.Text2, Qt::Key_V, Qt::ControlModifier);

        EXPECT_EQ(window.Text2->text(), QString::fromUtf8(row.boxAfter));
        EXPECT_EQ(OptionValue(window.Option3), row.megabytesAfter);
        EXPECT_EQ(OptionValue(window.Okbs), !row.megabytesAfter);
        const std::vector<QString> notices =
            *row.notice ? std::vector<QString>{QString::fromUtf8(row.notice)} : std::vector<QString>{};
        EXPECT_EQ(shell.notices, notices);
        EXPECT_EQ(shell.noticeStyles, std::vector<int>(notices.size(), kNoticeIconInformation));
    }
}

// Every way of pasting is read so: the paste keys, the box's context menu and, where the
// system keeps a selection, the middle button.
TEST_F(MainFTest, EveryWayOfPastingIntoTheSizeBoxIsRead) {
    enum class Way { CtrlV, ShiftInsert, ContextMenu, MiddleButton };
    const struct {
        const char* way;
        Way how;
    } rows[] = {
        {"Ctrl+V", Way::CtrlV},
        {"Shift+Insert", Way::ShiftInsert},
        {"context menu", Way::ContextMenu},
        {"middle button", Way::MiddleButton},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.way);
        QClipboard* clipboard = QGuiApplication::clipboard();
        if (row.how == Way::MiddleButton && !clipboard->supportsSelection()) continue;
        ClickOption(window.Okbs);
        window.Text2->setText(QStringLiteral("100"));
        window.Text2->setFocus();
        window.Text2->end(false);
        clipboard->setText(QStringLiteral("2m"));
        if (clipboard->supportsSelection()) clipboard->setText(QStringLiteral("2m"), QClipboard::Selection);
        switch (row.how) {
        case Way::CtrlV: QTest::keyClick(window.Text2, Qt::Key_V, Qt::ControlModifier); break;
        case Way::ShiftInsert: QTest::keyClick(window.Text2, Qt::Key_Insert, Qt::ShiftModifier); break;
        case Way::ContextMenu: {
            QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(5, 5), window.Text2->mapToGlobal(QPoint(5, 5)));
            QCoreApplication::sendEvent(window.Text2, &request);
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            QAction* paste = nullptr;
            for (QAction* action : menu->actions())
                if (action->text().startsWith(QStringLiteral("&Paste"))) paste = action;
            ASSERT_NE(paste, nullptr);
            paste->trigger();
            menu->close();
            break;
        }
        case Way::MiddleButton: QTest::mouseClick(window.Text2, Qt::MiddleButton, Qt::NoModifier, QPoint(60, 5)); break;
        }
        EXPECT_EQ(window.Text2->text(), QStringLiteral("1002"));
        EXPECT_TRUE(OptionValue(window.Option3));
    }
}

TEST_F(MainFTest, SourceChooserFillsSourceAndFolder) {
    // In merge mode the descriptor is looked for in the folder box's folder first.
    const struct {
        bool mergeMode;
        QString filter;
        QString folderBox;
        QStringList startFolders;
    } cases[] = {
        {false, QStringLiteral("所有文件(*.*)|*.*"), QStringLiteral("/分割/"), {}},
        {true, QStringLiteral("准备合并文件(*.hpe)|*.hpe;*.001;*.0001"), QStringLiteral("/分割/"), {QStringLiteral("/分割/")}},
        {true, QStringLiteral("准备合并文件(*.hpe)|*.hpe;*.001;*.0001"), QString(), {QString()}},
    };
    for (const auto& c : cases) {
        ClickOption(c.mergeMode ? window.GetFile : window.opDelFale);
        window.Text1->setText(c.folderBox);
        shell.fileDialogCalls.clear();
        shell.nextFile = QStringLiteral("/数据/x/y.bin");
        ClickButton(window.cmdFile);
        ASSERT_EQ(shell.fileDialogCalls.size(), 1u);
        const FakeShellServices::FileDialogCall& call = shell.fileDialogCalls.front();
        EXPECT_EQ(call.filter, c.filter);
        EXPECT_EQ(call.title, QStringLiteral("打开文件"));
        EXPECT_EQ(call.flags, 0x2006);
        EXPECT_TRUE(call.name.isEmpty());
        EXPECT_EQ(call.startFolders, c.startFolders);
        EXPECT_EQ(window.txtPsd->text(), QStringLiteral("/数据/x/y.bin"));
        EXPECT_EQ(window.Text1->text(), QStringLiteral("/数据/x/"));
    }
}

TEST_F(MainFTest, CancelledChoosersChangeNothing) {
    window.txtPsd->setText(QStringLiteral("/keep/a.bin"));
    window.Text1->setText(QStringLiteral("/keep/"));
    shell.nextFile.reset();
    shell.nextFolder.clear();
    ClickButton(window.cmdFile);
    ClickButton(window.cmdOpsee);
    EXPECT_EQ(shell.fileDialogCalls.size(), 1u);
    EXPECT_EQ(shell.browseCalls.size(), 1u);
    EXPECT_EQ(window.txtPsd->text(), QStringLiteral("/keep/a.bin"));
    EXPECT_EQ(window.Text1->text(), QStringLiteral("/keep/"));
}

TEST_F(MainFTest, FolderChooserFillsFolder) {
    window.txtPsd->setText(QStringLiteral("/src/a.bin"));
    shell.nextFolder = QStringLiteral("/目标/");
    ClickButton(window.cmdOpsee);
    ASSERT_EQ(shell.browseCalls.size(), 1u);
    EXPECT_EQ(shell.browseCalls.front().title, QStringLiteral("选择文件夹"));
    EXPECT_EQ(shell.browseCalls.front().owner, &window);
    EXPECT_EQ(shell.ownerWindow, &window) << "the notices and the file dialog open over the window";
    EXPECT_EQ(window.Text1->text(), QStringLiteral("/目标/"));
    EXPECT_EQ(window.txtPsd->text(), QStringLiteral("/src/a.bin"));
}

TEST(MainFClosing, ExitButtonClosesAndDeletesTheWindow) {
    QApplication::setQuitOnLastWindowClosed(false);
    FakeShellServices shell;
    QPointer<MainF> window = new MainF(shell);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    ClickButton(window->tQueries);
    ASSERT_FALSE(window.isNull());
    EXPECT_FALSE(window->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

}  // namespace
}  // namespace tirnel::test
