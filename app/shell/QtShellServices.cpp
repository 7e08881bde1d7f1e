#include "app/shell/QtShellServices.h"

#include "pieceset/PathText.h"
#include "app/shell/FileDialogFilter.h"

#include <QAbstractButton>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QSettings>

#include <utility>

namespace tirnel {

namespace {

const QString kNoticeTitle = QStringLiteral("提示");

struct NoticeButton {
    QMessageBox::StandardButton button;
    int result;
};

// The button sets of the style's low four bits that have a counterpart here.
QList<NoticeButton> NoticeButtonsOf(int style) {
    switch (style & 0xF) {
    case kNoticeOkCancel:
        return {{QMessageBox::Ok, kNoticeResultOk}, {QMessageBox::Cancel, kNoticeResultCancel}};
    case 3:
        return {{QMessageBox::Yes, kNoticeResultYes},
                {QMessageBox::No, kNoticeResultNo},
                {QMessageBox::Cancel, kNoticeResultCancel}};
    case kNoticeYesNo:
        return {{QMessageBox::Yes, kNoticeResultYes}, {QMessageBox::No, kNoticeResultNo}};
    default:
        return {{QMessageBox::Ok, kNoticeResultOk}};
    }
}

QMessageBox::Icon NoticeIconOf(int style) {
    switch (style & 0x70) {
    case 16: return QMessageBox::Critical;
    case 32: return QMessageBox::Question;
    case 48: return QMessageBox::Warning;
    case kNoticeIconInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

// Runs a dialog that its owner window also holds: when the owner goes while the dialog shows,
// it takes the dialog with it, and the dialog counts as cancelled.
template <class Dialog>
int Exec(std::unique_ptr<Dialog>& dialog) {
    const QPointer<Dialog> alive(dialog.get());
    const int result = dialog->exec();
    if (alive) return result;
    (void)dialog.release();
    return QDialog::Rejected;
}

}  // namespace

QtShellServices::QtShellServices(QString settingsFile) : mSettingsFile(std::move(settingsFile)) {}

QtShellServices::~QtShellServices() = default;

QSettings& QtShellServices::Settings() {
    if (!mSettings) {
        mSettings = mSettingsFile.isEmpty()
                        ? std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                                      QStringLiteral("tirnel"), QStringLiteral("tirnel"))
                        : std::make_unique<QSettings>(mSettingsFile, QSettings::IniFormat);
    }
    return *mSettings;
}

QString QtShellServices::FirstFolder(const QStringList& candidates) {
    for (const QString& candidate : candidates) {
        if (!candidate.isEmpty() && QFileInfo(candidate).isDir()) return QFileInfo(candidate).absoluteFilePath();
    }
    // On this system the home folder is where a user browses from.
    return QDir::homePath();
}

std::unique_ptr<QMessageBox> QtShellServices::NewNoticeBox(const QString& text, int style, QWidget* owner) {
    auto box = std::make_unique<QMessageBox>(NoticeIconOf(style), kNoticeTitle, text, QMessageBox::NoButton, owner);
    QMessageBox::StandardButtons buttons;
    for (const NoticeButton& b : NoticeButtonsOf(style)) buttons |= b.button;
    box->setStandardButtons(buttons);
    const QList<NoticeButton> order = NoticeButtonsOf(style);
    if ((style & kNoticeDefaultSecond) && order.size() > 1) box->setDefaultButton(order[1].button);
    box->setWindowModality(Qt::ApplicationModal);
    return box;
}

int QtShellServices::ShowNotice(const QString& text, int style) {
    std::unique_ptr<QMessageBox> box = NewNoticeBox(text, style, mOwner);
    Exec(box);
    const QMessageBox::StandardButton clicked = box ? box->standardButton(box->clickedButton()) : QMessageBox::NoButton;
    const QList<NoticeButton> buttons = NoticeButtonsOf(style);
    for (const NoticeButton& b : buttons) {
        if (b.button == clicked) return b.result;
    }
    // Closed without a button: the box's escape answer.
    return buttons.size() == 1 ? kNoticeResultOk
                               : (style & 0xF) == kNoticeYesNo ? kNoticeResultNo : kNoticeResultCancel;
}

std::unique_ptr<QFileDialog> QtShellServices::NewFileDialog(const QString& name, const QString& filter,
                                                            const QString& title, long flags, QWidget* owner) {
    auto dialog = std::make_unique<QFileDialog>(owner, title);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    // The filter descriptions already name their patterns; show them as they are.
    dialog->setOption(QFileDialog::HideNameFilterDetails);
    const QStringList filters = NameFiltersFromText(filter);
    if (!filters.isEmpty()) {
        dialog->setNameFilters(filters);
        dialog->selectNameFilter(filters.first());
    }
    if (name.isEmpty()) {
        // A file chosen to be read has to exist.
        dialog->setAcceptMode(QFileDialog::AcceptOpen);
        dialog->setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->setFileMode(QFileDialog::AnyFile);
        dialog->setOption(QFileDialog::DontConfirmOverwrite, (flags & kFileDialogOverwritePrompt) == 0);
        dialog->selectFile(name);
    }
    return dialog;
}

void QtShellServices::ShowFileDialog(QString& name, const QString& filter, const QString& title, long& flags) {
    ShowFileDialogFrom(name, filter, title, flags, {});
}

void QtShellServices::ShowFileDialogFrom(QString& name, const QString& filter, const QString& title, long& flags,
                                         const QStringList& startFolders) {
    std::unique_ptr<QFileDialog> dialog = NewFileDialog(name, filter, title, flags, mOwner);
    if (name.isEmpty()) {
        dialog->setDirectory(FirstFolder(startFolders + QStringList{Settings().value(kFileFolderKey).toString()}));
    }
    name.clear();
    flags = 0;
    if (Exec(dialog) != QDialog::Accepted) return;
    const QStringList chosen = dialog->selectedFiles();
    if (chosen.isEmpty() || chosen.first().isEmpty()) return;
    name = QDir::toNativeSeparators(chosen.first());
    flags = 1;
    Settings().setValue(kFileFolderKey, QFileInfo(chosen.first()).absolutePath());
    Settings().sync();
}

std::unique_ptr<QFileDialog> QtShellServices::NewFolderDialog(const QString& title, QWidget* owner) {
    auto dialog = std::make_unique<QFileDialog>(owner, title, QDir::rootPath());
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setOption(QFileDialog::ShowDirsOnly);
    dialog->setFileMode(QFileDialog::Directory);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    return dialog;
}

QString QtShellServices::BrowseForFolder(const QString& title, QWidget* owner) {
    return BrowseForFolderFrom(title, owner, {});
}

QString QtShellServices::BrowseForFolderFrom(const QString& title, QWidget* owner, const QStringList& startFolders) {
    std::unique_ptr<QFileDialog> dialog = NewFolderDialog(title, owner ? owner : mOwner.data());
    dialog->setDirectory(FirstFolder(startFolders + QStringList{Settings().value(kBrowseFolderKey).toString()}));
    if (Exec(dialog) != QDialog::Accepted) return QString();
    const QStringList chosen = dialog->selectedFiles();
    if (!chosen.isEmpty() && !chosen.first().isEmpty()) {
        Settings().setValue(kBrowseFolderKey, QFileInfo(chosen.first()).absoluteFilePath());
        Settings().sync();
    }
    std::string folder = chosen.isEmpty() ? std::string() : QDir::toNativeSeparators(chosen.first()).toStdString();
    AddBackslash(folder);
    return QString::fromStdString(folder);
}

}  // namespace tirnel
