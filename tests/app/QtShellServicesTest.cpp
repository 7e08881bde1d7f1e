// The Qt shell services: filters, the dialogs as set up, and their results when confirmed
// or cancelled (answered from inside the dialog's own event loop).

#include "app/shell/FileDialogFilter.h"
#include "app/shell/QtShellServices.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

namespace tirnel::test {
namespace {

// Runs the action on the modal dialog once it is showing.
template <class Dialog>
void WhenShown(std::function<void(Dialog&)> action) {
    QMetaObject::invokeMethod(
        qApp,
        [action] {
            auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            action(*dialog);
        },
        Qt::QueuedConnection);
}

// A settings file of the tests' own, so the user's last folders are never touched.
QString SettingsFile() {
    static QTemporaryDir folder;
    return folder.filePath(QStringLiteral("tirnel.conf"));
}

TEST(FileDialogFilterTest, PairsBecomeQtNameFilters) {
    const struct {
        QString text;
        QStringList expected;
    } cases[] = {
        {"所有文件(*.*)|*.*", {"所有文件(*.*) (*)"}},
        {"准备合并文件(*.hpe)|*.hpe", {"准备合并文件(*.hpe) (*.hpe)"}},
        {"图片|*.jpg;*.png|所有文件|*.*", {"图片 (*.jpg *.png)", "所有文件 (*)"}},
        {"文本|*.txt||", {"文本 (*.txt)"}},
        {"只有说明", {}},
        {"", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(NameFiltersFromText(c.text), c.expected) << c.text.toStdString();
}

TEST(QtShellServicesTest, FileDialogShowsDescriptionAndListsByPattern) {
    const struct {
        QString filter;
        QStringList patterns;
    } cases[] = {
        {"所有文件(*.*)|*.*", {"*"}},
        {"准备合并文件(*.hpe)|*.hpe", {"*.hpe"}},
    };
    for (const auto& c : cases) {
        auto dialog = QtShellServices::NewFileDialog(QString(), c.filter, QStringLiteral("打开文件"), 0x2006);
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("打开文件"));
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
        auto* combo = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        ASSERT_NE(combo, nullptr);
        ASSERT_EQ(combo->count(), 1);
        EXPECT_EQ(combo->currentText(), c.filter.section(u'|', 0, 0));
        auto* model = dialog->findChild<QFileSystemModel*>();
        ASSERT_NE(model, nullptr);
        EXPECT_EQ(model->nameFilters(), c.patterns);
    }
}

TEST(QtShellServicesTest, ChosenFileComesBackWhole) {
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    ASSERT_TRUE(QDir(temp.path()).mkpath(QStringLiteral("报告 2024")));
    const QString path = temp.filePath(QStringLiteral("报告 2024/数据 文件.bin"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    QtShellServices shell{SettingsFile()};
    QString name;
    long flags = 0x2006;
    WhenShown<QFileDialog>([path](QFileDialog& dialog) {
        dialog.selectFile(path);
        static_cast<QDialog&>(dialog).accept();  // as the dialog's own button does
    });
    shell.ShowFileDialog(name, QStringLiteral("所有文件(*.*)|*.*"), QStringLiteral("打开文件"), flags);
    EXPECT_EQ(name, path);
    EXPECT_EQ(flags, 1);

    name = QStringLiteral("ignored");
    flags = 0x2006;
    WhenShown<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
    shell.ShowFileDialog(name, QStringLiteral("所有文件(*.*)|*.*"), QStringLiteral("打开文件"), flags);
    EXPECT_TRUE(name.isEmpty());
    EXPECT_EQ(flags, 0);
}

TEST(QtShellServicesTest, FolderChooserStartsAtTheTopAndEndsInSeparator) {
    auto dialog = QtShellServices::NewFolderDialog(QStringLiteral("选择文件夹"), nullptr);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("选择文件夹"));
    EXPECT_EQ(dialog->directory().absolutePath(), QStringLiteral("/"));
    EXPECT_EQ(dialog->fileMode(), QFileDialog::Directory);

    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const QString folder = temp.filePath(QStringLiteral("目标"));
    ASSERT_TRUE(QDir().mkpath(folder));
    QtShellServices shell{SettingsFile()};
    WhenShown<QFileDialog>([folder](QFileDialog& d) {
        d.setDirectory(folder);
        d.selectFile(folder);
        static_cast<QDialog&>(d).accept();
    });
    EXPECT_EQ(shell.BrowseForFolder(QStringLiteral("选择文件夹"), nullptr), folder + u'/');

    WhenShown<QFileDialog>([](QFileDialog& d) { d.reject(); });
    EXPECT_EQ(shell.BrowseForFolder(QStringLiteral("选择文件夹"), nullptr), QString());
}

TEST(QtShellServicesTest, DialogsStartWhereTheUserIsAndRememberTheirFolderAcrossStarts) {
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const QString settings = temp.filePath(QStringLiteral("设置/tirnel.conf"));
    const QString picked = temp.filePath(QStringLiteral("选过"));
    const QString boxFolder = temp.filePath(QStringLiteral("框中"));
    for (const QString& folder : {picked, boxFolder}) ASSERT_TRUE(QDir().mkpath(folder));
    const QString missing = temp.filePath(QStringLiteral("无"));
    QFile file(picked + QStringLiteral("/a.bin"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    // What a dialog shows first, then the folder it is closed in (empty: cancelled).
    QString shownAt;
    auto answerIn = [&shownAt](const QString& chosen) {
        WhenShown<QFileDialog>([&shownAt, chosen](QFileDialog& d) {
            shownAt = d.directory().absolutePath();
            if (chosen.isEmpty()) return d.reject();
            d.setDirectory(QFileInfo(chosen).isDir() ? chosen : QFileInfo(chosen).absolutePath());
            d.selectFile(chosen);
            static_cast<QDialog&>(d).accept();
        });
    };
    const QString title = QStringLiteral("选择文件夹");
    {
        QtShellServices first(settings);
        // Nothing chosen before: the first existing candidate, else the home folder.
        const struct {
            QStringList candidates;
            QString start;
        } cases[] = {
            {{boxFolder, picked}, boxFolder},
            {{QString(), missing, picked}, picked},
            {{missing}, QDir::homePath()},
            {{}, QDir::homePath()},
        };
        for (const auto& c : cases) {
            answerIn(QString());
            EXPECT_EQ(first.BrowseForFolderFrom(title, nullptr, c.candidates), QString());
            EXPECT_EQ(shownAt, c.start) << c.candidates.join(u',').toStdString();
        }
        answerIn(QString());
        QString name;
        long flags = 0x2006;
        first.ShowFileDialog(name, QStringLiteral("所有文件(*.*)|*.*"), QStringLiteral("打开文件"), flags);
        EXPECT_EQ(shownAt, QDir::homePath());
        for (const auto& c : cases) {
            answerIn(QString());
            first.ShowFileDialogFrom(name, QStringLiteral("所有文件(*.*)|*.*"), QStringLiteral("打开文件"), flags,
                                     c.candidates);
            EXPECT_EQ(shownAt, c.start) << "file dialog from " << c.candidates.join(u',').toStdString();
        }

        answerIn(picked);
        EXPECT_EQ(first.BrowseForFolderFrom(title, nullptr, {missing}), picked + u'/');
        answerIn(picked + QStringLiteral("/a.bin"));
        name.clear();
        first.ShowFileDialog(name, QStringLiteral("所有文件(*.*)|*.*"), QStringLiteral("打开文件"), flags);
        EXPECT_EQ(name, picked + QStringLiteral("/a.bin"));
    }
    // The next start: both dialogs open where they were last closed; the boxes still come first.
    QtShellServices next(settings);
    answerIn(QString());
    next.BrowseForFolderFrom(title, nullptr, {missing});
    EXPECT_EQ(shownAt, picked);
    answerIn(QString());
    next.BrowseForFolderFrom(title, nullptr, {boxFolder});
    EXPECT_EQ(shownAt, boxFolder);
    answerIn(QString());
    QString name;
    long flags = 0x2006;
    next.ShowFileDialog(name, QStringLiteral("所有文件(*.*)|*.*"), QStringLiteral("打开文件"), flags);
    EXPECT_EQ(shownAt, picked);
    answerIn(QString());
    next.ShowFileDialogFrom(name, QStringLiteral("所有文件(*.*)|*.*"), QStringLiteral("打开文件"), flags, {boxFolder});
    EXPECT_EQ(shownAt, boxFolder);
    answerIn(QString());
    next.ShowFileDialogFrom(name, QStringLiteral("所有文件(*.*)|*.*"), QStringLiteral("打开文件"), flags, {missing});
    EXPECT_EQ(shownAt, picked);
}

TEST(QtShellServicesTest, NoticeBoxIsTitledAndReturnsTheButton) {
    const struct {
        int style;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton press;
        int result;
    } cases[] = {
        {64, QMessageBox::Information, QMessageBox::Ok, QMessageBox::Ok, 1},
        {32 | 4, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No, 7},
    };
    QtShellServices shell{SettingsFile()};
    for (const auto& c : cases) {
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        WhenShown<QMessageBox>([&, press = c.press](QMessageBox& box) {
            title = box.windowTitle();
            text = box.text();
            icon = box.icon();
            buttons = box.standardButtons();
            box.button(press)->click();
        });
        EXPECT_EQ(shell.ShowNotice(QStringLiteral("文件分割完毕!"), c.style), c.result);
        EXPECT_EQ(title, QStringLiteral("提示"));
        EXPECT_EQ(text, QStringLiteral("文件分割完毕!"));
        EXPECT_EQ(icon, c.icon);
        EXPECT_EQ(buttons, c.buttons);
    }
}

TEST(QtShellServicesTest, NoticesAndDialogsOpenCentredOnTheOwnerWindowInTheDesktopsColours) {
    const QPalette before = QApplication::palette();
    QApplication::setPalette(QPalette(QColor(0x35, 0x35, 0x35), QColor(0x35, 0x35, 0x35)));
    QWidget owner;
    owner.setPalette(QPalette(QColor(0xF0, 0xF0, 0xF0), QColor(0xF0, 0xF0, 0xF0)));
    owner.setGeometry(314, 271, 312, 199);  // off the screen's middle; room for the file dialog
    owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    QtShellServices shell{SettingsFile()};
    QString name;
    long flags = 0;
    const struct {
        const char* what;
        QWidget* ownerWindow;  // handed to SetOwnerWindow first
        std::function<void()> open;
        QWidget* parent;
    } rows[] = {
        {"notice", &owner, [&] { shell.ShowNotice(QStringLiteral("文件分割完毕!"), 64); }, &owner},
        {"file dialog", &owner, [&] { shell.ShowFileDialog(name, QStringLiteral("所有文件(*.*)|*.*"), QStringLiteral("打开文件"), flags); }, &owner},
        {"chooser of an owner", nullptr, [&] { shell.BrowseForFolder(QStringLiteral("选择文件夹"), &owner); }, &owner},
        {"chooser of none", &owner, [&] { shell.BrowseForFolder(QStringLiteral("选择文件夹"), nullptr); }, &owner},
        {"notice, no owner", nullptr, [&] { shell.ShowNotice(QStringLiteral("文件分割完毕!"), 64); }, nullptr},
        {"notice, owner gone", new QWidget, [&] { shell.ShowNotice(QStringLiteral("文件分割完毕!"), 64); }, nullptr},
    };
    for (const auto& row : rows) {
        shell.SetOwnerWindow(row.ownerWindow);
        if (row.ownerWindow != &owner) delete row.ownerWindow;
        QWidget* parent = &owner;
        QPoint off;
        QColor back;
        WhenShown<QDialog>([&](QDialog& dialog) {
            parent = dialog.parentWidget();
            off = dialog.frameGeometry().center() - owner.frameGeometry().center();
            back = dialog.palette().color(QPalette::Window);
            dialog.reject();
        });
        row.open();
        EXPECT_EQ(parent, row.parent) << row.what;
        // Qt centres a dialog over its parent's frame; where no window manager tells it the
        // frames (an X server of its own), it allows 10 by 40 pixels for one.
        EXPECT_EQ(std::abs(off.x()) <= 11 && std::abs(off.y()) <= 41, row.parent != nullptr)
            << row.what << " is off by " << off.x() << "," << off.y();
        EXPECT_EQ(back, QColor(0x35, 0x35, 0x35)) << row.what;
    }
    QApplication::setPalette(before);
}

}  // namespace
}  // namespace tirnel::test
