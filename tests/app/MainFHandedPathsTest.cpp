// Paths handed to the window from outside its dialogs: drops on the window in either mode,
// "tirnel FILE" at start, and where the folder chooser starts.

#include "app/MainF.h"
#include "app/MainN.h"
#include "tests/app/FakeShellServices.h"
#include "tests/app/WindowTestSupport.h"

#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QPointer>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <memory>

namespace tirnel::test {
namespace {

class HandedPathsTest : public ::testing::Test {
protected:
    void SetUp() override {
        QApplication::setQuitOnLastWindowClosed(false);
        ASSERT_TRUE(temp.isValid());
        ASSERT_TRUE(QDir(temp.path()).mkpath(QStringLiteral("源")));
        ASSERT_TRUE(QDir(temp.path()).mkpath(QStringLiteral("目标")));
        for (const QString& name : {file, descriptor}) {
            QFile f(name);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        }
    }

    // Drags the data over the window and drops it, as a file manager does, then lets what the
    // drop queued run; true when the window took the drop. A drag of URLs is always taken.
    bool Drop(MainF& window, const QMimeData& data) {
        const QPoint at = window.rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &enter);
        QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &drop);
        EXPECT_EQ(enter.isAccepted(), data.hasUrls());
        QCoreApplication::processEvents();
        return drop.isAccepted();
    }

    QString Path(const QString& relative) const { return temp.filePath(relative); }

    QTemporaryDir temp;
    const QString folder = temp.filePath(QStringLiteral("目标"));
    const QString file = temp.filePath(QStringLiteral("源/数据 1.bin"));
    const QString descriptor = temp.filePath(QStringLiteral("源/数据 1.HPE"));
    FakeShellServices shell;
};

std::unique_ptr<QMimeData> Urls(const QList<QUrl>& urls) {
    auto data = std::make_unique<QMimeData>();
    data->setUrls(urls);
    return data;
}

// A drop is taken as "tirnel PATH" takes it, in either mode; what neither mode can take is
// refused with a notice.
TEST_F(HandedPathsTest, DropsAreOpenedAsFromTheCommandLineOrRefusedWithANotice) {
    const QString kept = QStringLiteral("/保留/a.hpe");
    const QString keptFolder = QStringLiteral("/保留/");
    const QString sourceFolder = Path(QStringLiteral("源")) + u'/';
    const QString notHere = QStringLiteral("只能拖放本机上的文件或文件夹!");
    const QString notOrdinary = QStringLiteral("拖放的不是普通文件,不能分割或合并!");
    enum What { File, Descriptor, Folder, Remote, Missing, Text, Device };
    const struct {
        bool merge;
        What what;
        bool taken;
        QString source;  // expected afterwards; the boxes start with kept and keptFolder
        QString target;
        bool mergeAfter;
        QString notice;
    } cases[] = {
        {false, File, true, file, sourceFolder, false, ""},
        {false, Descriptor, true, descriptor, sourceFolder, true, ""},
        {false, Folder, true, kept, folder + u'/', false, ""},
        {false, Remote, false, kept, keptFolder, false, notHere},
        {false, Missing, false, kept, keptFolder, false, notHere},
        {false, Device, false, kept, keptFolder, false, notOrdinary},
        {false, Text, false, kept, keptFolder, false, ""},
        {true, Descriptor, true, descriptor, sourceFolder, true, ""},
        {true, File, true, file, sourceFolder, false, ""},
        {true, Folder, true, kept, folder + u'/', true, ""},
        {true, Remote, false, kept, keptFolder, true, notHere},
        {true, Text, false, kept, keptFolder, true, ""},
    };
    for (const auto& c : cases) {
        MainF window(shell);
        window.show();
        if (c.merge) ClickOption(window.GetFile);
        window.txtPsd->setText(kept);
        window.Text1->setText(keptFolder);
        shell.notices.clear();
        std::unique_ptr<QMimeData> data;
        switch (c.what) {
        case File: data = Urls({QUrl::fromLocalFile(file), QUrl::fromLocalFile(descriptor)}); break;
        case Descriptor: data = Urls({QUrl::fromLocalFile(descriptor)}); break;
        case Folder: data = Urls({QUrl::fromLocalFile(folder)}); break;
        case Remote: data = Urls({QUrl(QStringLiteral("https://example.com/a.hpe"))}); break;
        case Missing: data = Urls({QUrl::fromLocalFile(Path(QStringLiteral("源/无.bin")))}); break;
        case Device: data = Urls({QUrl::fromLocalFile(QStringLiteral("/dev/null"))}); break;
        case Text:
            data = std::make_unique<QMimeData>();
            data->setText(QUrl::fromLocalFile(file).toString());
            break;
        }
        const std::string label = (c.merge ? "merge, case " : "split, case ") + std::to_string(c.what);
        EXPECT_EQ(Drop(window, *data), c.taken) << label;
        EXPECT_EQ(window.txtPsd->text(), c.source) << label;
        EXPECT_EQ(window.Text1->text(), c.target) << label;
        EXPECT_EQ(OptionValue(window.GetFile), c.mergeAfter) << label;
        EXPECT_EQ(window.Text2->isEnabled(), !c.mergeAfter) << label;
        EXPECT_EQ(shell.notices, c.notice.isEmpty() ? std::vector<QString>{} : std::vector<QString>{c.notice}) << label;
    }
}

TEST_F(HandedPathsTest, StartingWithAFileChoosesTheModeByItsName) {
    const QString lowerDescriptor = Path(QStringLiteral("源/小.hpe"));
    const QString numbered = Path(QStringLiteral("源/movie.mkv.002"));  // a later piece of another splitter's set
    const struct {
        QStringList arguments;
        bool merge;
        QString source;
        QString target;
    } cases[] = {
        {{descriptor}, true, descriptor, Path(QStringLiteral("源")) + u'/'},
        {{lowerDescriptor}, true, lowerDescriptor, Path(QStringLiteral("源")) + u'/'},
        {{file}, false, file, Path(QStringLiteral("源")) + u'/'},
        {{numbered}, true, numbered, Path(QStringLiteral("源")) + u'/'},
        {{folder}, false, QString(), folder + u'/'},
        {{QStringLiteral("数据 1.HPE")}, true, descriptor, Path(QStringLiteral("源")) + u'/'},  // from the current folder
        {{}, false, QString(), QString()},
    };
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(Path(QStringLiteral("源"))));
    for (const auto& c : cases) {
        QPointer<MainF> window = MainN::Main(shell, c.arguments);
        ASSERT_FALSE(window.isNull());
        const std::string label = c.arguments.join(u' ').toStdString();
        EXPECT_EQ(OptionValue(window->GetFile), c.merge) << label;
        EXPECT_EQ(OptionValue(window->opDelFale), !c.merge) << label;
        // The size box and units follow the mode as after a click on its option.
        EXPECT_EQ(window->Text2->isEnabled(), !c.merge) << label;
        EXPECT_EQ(window->Option3->isEnabled(), !c.merge) << label;
        EXPECT_EQ(window->txtPsd->text(), c.source) << label;
        EXPECT_EQ(window->Text1->text(), c.target) << label;
        delete window.data();
    }
    QDir::setCurrent(before);
}

TEST_F(HandedPathsTest, FolderChooserStartsAtTheFolderBoxThenTheSourcesFolder) {
    MainF window(shell);
    window.show();
    window.txtPsd->setText(QStringLiteral("/源/a.bin"));
    window.Text1->setText(QStringLiteral("/目标/"));
    ClickButton(window.cmdOpsee);
    window.Text1->clear();
    ClickButton(window.cmdOpsee);
    ASSERT_EQ(shell.browseCalls.size(), 2u);
    EXPECT_EQ(shell.browseCalls[0].startFolders, (QStringList{"/目标/", "/源/"}));
    EXPECT_EQ(shell.browseCalls[1].startFolders, (QStringList{"", "/源/"}));
}

}  // namespace
}  // namespace tirnel::test
