#pragma once
// The shell services as Qt's own dialogs. The dialogs are Qt's widget dialogs rather than
// the desktop's, so that titles and filter descriptions show exactly as given.

#include "app/shell/ShellServices.h"

#include <memory>

class QFileDialog;
class QMessageBox;

namespace tirnel {

class QtShellServices : public ShellServices {
public:
    int ShowNotice(const QString& text, int style) override;
    void ShowFileDialog(QString& name, const QString& filter, const QString& title, long& flags) override;
    QString BrowseForFolder(const QString& title, QWidget* owner) override;

    // The dialogs as the services set them up, before they are shown.
    static std::unique_ptr<QMessageBox> NewNoticeBox(const QString& text, int style);
    static std::unique_ptr<QFileDialog> NewFileDialog(const QString& name, const QString& filter,
                                                      const QString& title, long flags);
    static std::unique_ptr<QFileDialog> NewFolderDialog(const QString& title, QWidget* owner);

private:
    // The folder of the last file chosen; the next open dialog starts there.
    QString mLastFolder;
};

}  // namespace tirnel
