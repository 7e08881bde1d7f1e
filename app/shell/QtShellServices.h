#pragma once
// The shell services as Qt's own dialogs. The dialogs are Qt's widget dialogs rather than
// the desktop's, so that titles and filter descriptions show exactly as given.

#include "app/shell/ShellServices.h"

#include <QPointer>
#include <QWidget>

#include <memory>

class QFileDialog;
class QMessageBox;
class QSettings;

namespace tirnel {

class QtShellServices : public ShellServices {
public:
    // settingsFile: where the dialogs keep their last folders from one start to the next;
    // empty for the user's own settings (tirnel/tirnel.conf in the user's config folder).
    explicit QtShellServices(QString settingsFile = QString());
    ~QtShellServices() override;

    void SetOwnerWindow(QWidget* window) override { mOwner = window; }
    int ShowNotice(const QString& text, int style) override;
    void ShowFileDialog(QString& name, const QString& filter, const QString& title, long& flags) override;
    void ShowFileDialogFrom(QString& name, const QString& filter, const QString& title, long& flags,
                            const QStringList& startFolders) override;
    // Without an owner of its own the chooser opens over the owner window.
    QString BrowseForFolder(const QString& title, QWidget* owner) override;
    QString BrowseForFolderFrom(const QString& title, QWidget* owner, const QStringList& startFolders) override;

    // The dialogs as the services set them up, before they are shown. With an owner a dialog
    // is a child window of it: it opens centred on it and keeps its own (the desktop's) colours.
    static std::unique_ptr<QMessageBox> NewNoticeBox(const QString& text, int style, QWidget* owner = nullptr);
    static std::unique_ptr<QFileDialog> NewFileDialog(const QString& name, const QString& filter,
                                                      const QString& title, long flags, QWidget* owner = nullptr);
    static std::unique_ptr<QFileDialog> NewFolderDialog(const QString& title, QWidget* owner);

    // Settings keys of the last folders.
    static constexpr const char* kFileFolderKey = "dialogs/fileFolder";
    static constexpr const char* kBrowseFolderKey = "dialogs/browseFolder";

private:
    // Made on first use, once the application exists.
    QSettings& Settings();
    // The first of the candidates that is an existing folder, else the home folder.
    static QString FirstFolder(const QStringList& candidates);

    QString mSettingsFile;
    std::unique_ptr<QSettings> mSettings;
    QPointer<QWidget> mOwner;
};

}  // namespace tirnel
