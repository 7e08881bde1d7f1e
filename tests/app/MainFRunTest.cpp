// Split and merge started from the window by clicks, and what the window does around a run.

#include "app/AccessibleControls.h"
#include "app/MainF.h"
#include "pieceset/Notices.h"
#include "pieceset/PieceSetFormat.h"
#include "platform/io/FolderLock.h"
#include "tests/app/FakeShellServices.h"
#include "tests/app/WindowTestSupport.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>

namespace tirnel::test {
namespace {

QByteArray SampleBytes(int size) {
    QByteArray bytes(size, '\0');
    quint32 x = 2463534242u;
    for (char& b : bytes) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        b = static_cast<char>(x);
    }
    return bytes;
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class MainFRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        QApplication::setQuitOnLastWindowClosed(false);
        ASSERT_TRUE(temp.isValid());
        ASSERT_TRUE(QDir(temp.path()).mkpath(QStringLiteral("源")));
        ASSERT_TRUE(QDir(temp.path()).mkpath(QStringLiteral("set")));
        source = temp.filePath(QStringLiteral("源/数据.bin"));
        setFolder = temp.filePath(QStringLiteral("set")) + u'/';
        original = SampleBytes(3000);
        QFile file(source);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(original), original.size());
        file.close();

        InstallAccessibleControls();
        window = new MainF(shell);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
        QObject::connect(window->uo1, &Control::PropertyAnnounced, [this](const QString& name) {
            if (name == QStringLiteral("Value")) log << QStringLiteral("bar %1").arg(BarValue(window->uo1));
        });
        shell.onNotice = [this](const QString& text) { log << text; };
    }

    void TearDown() override {
        if (window) delete window.data();
    }

    // Chooses the split source, the folder and size 1 KB through the window.
    void PrepareSplit() {
        shell.nextFile = source;
        ClickButton(window->cmdFile);
        shell.nextFolder = setFolder;
        ClickButton(window->cmdOpsee);
        window->Text2->selectAll();
        QTest::keyClicks(window->Text2, QStringLiteral("1"));
    }

    // Chooses the descriptor of the set; its folder becomes the folder box.
    void PrepareMerge() {
        ClickOption(window->GetFile);
        shell.nextFile = setFolder + QStringLiteral("数据.hpe");
        ClickButton(window->cmdFile);
    }

    QStringList SetFolderEntries() const {
        return QDir(setFolder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }

    QTemporaryDir temp;
    QString source;
    QString setFolder;
    QByteArray original;
    FakeShellServices shell;
    QPointer<MainF> window;
    QStringList log;
};

TEST_F(MainFRunTest, SplitAndMergeByClicksRebuildTheFile) {
    PrepareSplit();
    EXPECT_EQ(window->Text1->text(), setFolder);
    ClickButton(window->Command2);
    // The bar shows at most 30 values a second: a quick run may skip one on the way.
    const QStringList splitEnd = {"bar 100", "文件分割完毕!", "bar 0"};
    EXPECT_EQ(log.mid(log.size() - 3), splitEnd);
    EXPECT_EQ(log.first(), QStringLiteral("bar 33"));
    EXPECT_EQ(SetFolderEntries(), (QStringList{"001.pe", "002.pe", "003.pe", "数据.hpe", "数据.hpe.sha256"}));
    EXPECT_EQ(QFileInfo(setFolder + "003.pe").size(), 952);

    log.clear();
    PrepareMerge();
    EXPECT_EQ(window->Text1->text(), setFolder);
    ClickButton(window->Command3);
    const QStringList mergeEnd = {"bar 100", "文件合并完毕!", "bar 0"};
    EXPECT_EQ(log.mid(log.size() - 3), mergeEnd);
    EXPECT_EQ(log.first(), QStringLiteral("bar 33"));
    EXPECT_EQ(ReadAll(setFolder + QStringLiteral("数据.bin")), original);
    for (int style : shell.noticeStyles) EXPECT_EQ(style, 64);
}

TEST_F(MainFRunTest, AFolderInUseByAnotherRunIsARefusalLikeAnyOther) {
    PrepareSplit();
    {
        FolderLock other = FolderLock::Take(std::filesystem::path(setFolder.toStdString()));
        ASSERT_EQ(other.GetState(), FolderLock::State::Held);
        ClickButton(window->Command2);
        EXPECT_EQ(log, (QStringList{QString::fromUtf8(notice::kFolderBusy), QStringLiteral("bar 0")}));
        EXPECT_TRUE(SetFolderEntries().isEmpty());
    }
    log.clear();
    ClickButton(window->Command2);
    EXPECT_EQ(log.last(), QStringLiteral("bar 0"));
    EXPECT_EQ(SetFolderEntries().size(), 5);
}

TEST_F(MainFRunTest, ASplitOverAnotherSetAsksFirstAndNoKeepsIt) {
    // Another file's set in the folder; the split of 数据.bin would replace its pieces.
    QFile other(setFolder + QStringLiteral("旧.hpe"));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write(QByteArray("old.bin:") + QByteArray::fromStdString(ScrambleText("1k:2")) + "\r\n");
    other.close();
    for (const char* piece : {"001.pe", "002.pe"}) {
        QFile file(setFolder + piece);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(SampleBytes(1024));
    }
    PrepareSplit();
    for (int answer : {kNoticeResultNo, kNoticeResultYes}) {
        shell.answer = answer;
        shell.noticeStyles.clear();
        log.clear();
        ClickButton(window->Command2);
        ASSERT_FALSE(shell.noticeStyles.empty());
        EXPECT_EQ(shell.noticeStyles.front(), kNoticeYesNo | kNoticeIconQuestion | kNoticeDefaultSecond);
        EXPECT_TRUE(log.front().contains(QStringLiteral("旧.hpe"))) << log.front().toStdString();
        if (answer == kNoticeResultNo) {
            EXPECT_EQ(log.size(), 1) << "no run after 否";
            EXPECT_EQ(ReadAll(setFolder + "001.pe"), SampleBytes(1024));
        } else {
            EXPECT_EQ(log.at(log.size() - 2), QStringLiteral("文件分割完毕!"));
            EXPECT_EQ(SetFolderEntries(), (QStringList{"001.pe", "002.pe", "003.pe", "数据.hpe", "数据.hpe.sha256"}));
        }
    }
}

TEST_F(MainFRunTest, AMergeOverAnotherFileOfTheStoredNameAsksFirst) {
    PrepareSplit();
    ClickButton(window->Command2);
    QFile other(setFolder + QStringLiteral("数据.bin"));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write("another file");
    other.close();
    PrepareMerge();
    for (int answer : {kNoticeResultNo, kNoticeResultYes}) {
        shell.answer = answer;
        shell.noticeStyles.clear();
        log.clear();
        ClickButton(window->Command3);
        ASSERT_FALSE(log.isEmpty());
        EXPECT_EQ(log.front(), QStringLiteral("目标文件夹中已有文件数据.bin,内容与这组分割文件合并出的不同。"
                                              "继续合并会用合并出的文件替换它。\n要替换吗?"));
        EXPECT_EQ(shell.noticeStyles.front(), kNoticeYesNo | kNoticeIconQuestion | kNoticeDefaultSecond);
        EXPECT_EQ(ReadAll(setFolder + QStringLiteral("数据.bin")),
                  answer == kNoticeResultNo ? QByteArray("another file") : original);
    }
}

TEST_F(MainFRunTest, TheBarSaysWhatIsSavedAndThatTheRunIsStopping) {
    QStringList texts;
    QObject::connect(window->uo1, &Control::PropertyAnnounced, [&](const QString& name) {
        if (name == QStringLiteral("Text")) texts << BarText(window->uo1);
    });
    shell.onNotice = [&](const QString& text) { texts << text; };
    PrepareSplit();
    ClickButton(window->Command2);
    // Three pieces, the checksum file and the descriptor: the start and the last step always
    // show; the text is gone before the notice.
    ASSERT_GE(texts.size(), 4);
    EXPECT_EQ(texts.first(), QStringLiteral("正在保存分割文件… 0/5"));
    EXPECT_EQ(texts.mid(texts.size() - 3),
              (QStringList{QStringLiteral("正在保存分割文件… 5/5"), QString(), QStringLiteral("文件分割完毕!")}));

    texts.clear();
    shell.answer = kNoticeResultYes;
    QMetaObject::invokeMethod(window, [this] { window->close(); }, Qt::QueuedConnection);
    window->txtPsd->setText(source);
    ClickButton(window->Command2);
    EXPECT_TRUE(texts.contains(QStringLiteral("正在停止…"))) << texts.join(u'|').toStdString();
}

TEST_F(MainFRunTest, ANumberedSetOfAnotherSplitterMergesVerified) {
    // movie.mkv.001 … as coreutils cuts it, with sha256sum's list of the pieces.
    const std::string folder = setFolder.toStdString();
    QFile whole(setFolder + QStringLiteral("movie.mkv"));
    ASSERT_TRUE(whole.open(QIODevice::WriteOnly));
    whole.write(original);
    whole.close();
    ASSERT_EQ(std::system(("cd '" + folder + "' && split -b 1000 -d -a 3 --numeric-suffixes=1 movie.mkv movie.mkv. && "
                           "sha256sum movie.mkv.0* > movie.mkv.sha256 && rm movie.mkv").c_str()),
              0);
    ClickOption(window->GetFile);
    shell.nextFile = setFolder + QStringLiteral("movie.mkv.001");
    ClickButton(window->cmdFile);
    ClickButton(window->Command3);
    EXPECT_EQ(log.mid(log.size() - 2), (QStringList{QStringLiteral("文件合并完毕!"), QStringLiteral("bar 0")}));
    EXPECT_EQ(ReadAll(setFolder + QStringLiteral("movie.mkv")), original);
}

TEST_F(MainFRunTest, RunButtonOfTheOtherModeDoesNothing) {
    const struct {
        bool mergeMode;
        bool splitButton;
    } cases[] = {{false, false}, {true, true}};
    for (const auto& c : cases) {
        PrepareSplit();
        if (c.mergeMode) {
            ClickOption(window->GetFile);
            window->txtPsd->setText(source);  // what either run would refuse or act on
        }
        ClickButton(c.splitButton ? window->Command2 : window->Command3);
        EXPECT_TRUE(shell.notices.empty()) << c.mergeMode;
        EXPECT_TRUE(log.isEmpty()) << c.mergeMode;
        EXPECT_TRUE(SetFolderEntries().isEmpty()) << c.mergeMode;
        ClickOption(window->opDelFale);
    }
}

TEST_F(MainFRunTest, ClickDuringRunIsIgnored) {
    // The second click comes while the run lets events through, or while its notice shows.
    const std::function<void(bool&)> arrangers[] = {
        [this](bool& clicked) {
            QMetaObject::invokeMethod(
                window, [this, &clicked] {
                    clicked = window->Running();
                    ClickButton(window->Command2);
                },
                Qt::QueuedConnection);
        },
        [this](bool& clicked) {
            shell.onNotice = [this, &clicked](const QString& text) {
                log << text;
                if (clicked) return;
                clicked = window->Running();
                ClickButton(window->Command2);
            };
        },
    };
    for (const auto& arrange : arrangers) {
        PrepareSplit();
        log.clear();
        bool clicked = false;
        arrange(clicked);
        ClickButton(window->Command2);
        EXPECT_TRUE(clicked);
        // One run: one completion, the bar full once.
        EXPECT_EQ(log.count(QStringLiteral("文件分割完毕!")), 1);
        EXPECT_EQ(log.count(QStringLiteral("bar 100")), 1);
        EXPECT_EQ(log.last(), QStringLiteral("bar 0"));
        EXPECT_FALSE(window->Running());
        shell.onNotice = [this](const QString& text) { log << text; };
    }
}

TEST_F(MainFRunTest, ClosingDuringRunAsksOnceThenStopsCleanlyOrGoesOn) {
    const std::function<void(MainF&)> closers[] = {
        [](MainF& w) { w.close(); },
        [](MainF& w) { ClickButton(w.tQueries); },
    };
    const QString question = QStringLiteral("文件正在分割,要停止分割并退出吗?");
    for (const int answer : {kNoticeResultYes, kNoticeResultNo}) {
        for (const auto& closeWindow : closers) {
            if (!window) {
                window = new MainF(shell);
                window->setAttribute(Qt::WA_DeleteOnClose);
                window->show();
            }
            QDir(setFolder).removeRecursively();
            ASSERT_TRUE(QDir().mkpath(setFolder));
            PrepareSplit();
            log.clear();
            shell.notices.clear();
            shell.noticeStyles.clear();
            shell.answer = answer;
            // Closing again while the question shows asks nothing more.
            shell.onNotice = [this, &question](const QString& text) {
                log << text;
                if (text == question) window->close();
            };
            bool closedDuringRun = false;
            QMetaObject::invokeMethod(
                window, [this, &closeWindow, &closedDuringRun] {
                    closedDuringRun = window->Running();
                    closeWindow(*window);
                    // Held back either way: the run is still inside the window.
                    EXPECT_TRUE(window->isVisible());
                },
                Qt::QueuedConnection);
            ClickButton(window->Command2);
            shell.onNotice = [this](const QString& text) { log << text; };

            const std::string label = answer == kNoticeResultYes ? "是" : "否";
            EXPECT_TRUE(closedDuringRun) << label;
            ASSERT_FALSE(shell.notices.empty()) << label;
            EXPECT_EQ(shell.notices.front(), question) << label;
            EXPECT_EQ(shell.noticeStyles.front(), kNoticeYesNo | kNoticeIconQuestion | kNoticeDefaultSecond) << label;
            EXPECT_EQ(ReadAll(source), original) << label;
            ASSERT_FALSE(window.isNull()) << label;
            if (answer == kNoticeResultYes) {
                // Stopped quietly, nothing left behind, and the window closes.
                EXPECT_EQ(shell.notices.size(), 1u) << label;
                EXPECT_TRUE(SetFolderEntries().isEmpty()) << label;
                EXPECT_FALSE(window->isVisible()) << label;
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                EXPECT_TRUE(window.isNull()) << label;
            } else {
                // The run went on to its end and the window stays.
                EXPECT_EQ(shell.notices.size(), 2u) << label;
                EXPECT_EQ(shell.notices.back(), QStringLiteral("文件分割完毕!")) << label;
                EXPECT_EQ(SetFolderEntries().size(), 5) << label;
                EXPECT_TRUE(window->isVisible()) << label;
                EXPECT_FALSE(window->Running()) << label;
            }
        }
    }
}

// Putting the finished set in place cannot be stopped: a close then asks nothing, the set is
// completed, and the window closes once the run is done.
TEST_F(MainFRunTest, ClosingWhileTheSetIsPutInPlaceAsksNothingAndClosesAfter) {
    QFile file(source);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const QByteArray bytes = SampleBytes(3000 * 1024);  // 3000 pieces of 1 KB
    ASSERT_EQ(file.write(bytes), bytes.size());
    file.close();
    PrepareSplit();
    bool closedWhilePlacing = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (!closedWhilePlacing && window && window->Running() && QFileInfo::exists(setFolder + "001.pe")) {
            closedWhilePlacing = true;
            window->close();
        }
    });
    watch.start(0);
    ClickButton(window->Command2);
    watch.stop();
    if (!closedWhilePlacing) GTEST_SKIP() << "the set was put in place between two turns of the event loop";
    ASSERT_EQ(shell.notices.size(), 1u);  // no question
    EXPECT_EQ(shell.notices.front(), QStringLiteral("文件分割完毕!"));
    EXPECT_EQ(SetFolderEntries().size(), 3002);
    ASSERT_FALSE(window.isNull());
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainFRunTest, InputControlsTakeNoInputDuringARun) {
    PrepareSplit();
    const QString other = temp.filePath(QStringLiteral("源/别的.bin"));
    QFile otherFile(other);
    ASSERT_TRUE(otherFile.open(QIODevice::WriteOnly));
    otherFile.close();
    shell.nextFile = other;
    shell.nextFolder = temp.path() + u'/';
    shell.fileDialogCalls.clear();
    shell.browseCalls.clear();
    bool during = false;
    QMetaObject::invokeMethod(
        window, [this, &during, &other] {
            during = window->Running();
            ClickButton(window->cmdFile);
            ClickButton(window->cmdOpsee);
            ClickOption(window->GetFile);
            ClickOption(window->Option3);
            // Nor from assistive technology.
            QAccessible::queryAccessibleInterface(window->GetFile)->actionInterface()->doAction(QStringLiteral("Toggle"));
            QCoreApplication::sendPostedEvents(window->GetFile);
            QTest::keyClicks(window->Text2, QStringLiteral("5"));
            QTest::keyClicks(window->txtPsd, QStringLiteral("x"));
            auto data = std::make_unique<QMimeData>();
            data->setUrls({QUrl::fromLocalFile(other)});
            QDropEvent drop(QPointF(window->rect().center()), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(window, &drop);
            EXPECT_FALSE(drop.isAccepted());
        },
        Qt::QueuedConnection);
    ClickButton(window->Command2);

    EXPECT_TRUE(during);
    EXPECT_TRUE(shell.fileDialogCalls.empty());
    EXPECT_TRUE(shell.browseCalls.empty());
    EXPECT_TRUE(OptionValue(window->opDelFale));
    EXPECT_TRUE(OptionValue(window->Okbs));
    EXPECT_EQ(window->Text2->text(), QStringLiteral("1"));
    EXPECT_EQ(window->txtPsd->text(), source);
    EXPECT_EQ(window->Text1->text(), setFolder);
    EXPECT_EQ(log.at(log.size() - 2), QStringLiteral("文件分割完毕!"));

    // Once the run is over they answer again.
    ClickButton(window->cmdFile);
    EXPECT_EQ(shell.fileDialogCalls.size(), 1u);
    EXPECT_EQ(window->txtPsd->text(), other);
}

}  // namespace
}  // namespace tirnel::test
