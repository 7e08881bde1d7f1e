#pragma once
// Shell services for window tests: records every call and answers from what the test set,
// so no dialog ever blocks.

#include "app/shell/ShellServices.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

namespace tirnel::test {

class FakeShellServices : public ShellServices {
public:
    struct FileDialogCall {
        QString name;
        QString filter;
        QString title;
        long flags;
        QStringList startFolders;
    };
    struct BrowseCall {
        QString title;
        QWidget* owner;
        QStringList startFolders;
    };

    void SetOwnerWindow(QWidget* window) override { ownerWindow = window; }

    int ShowNotice(const QString& text, int style) override {
        notices.push_back(text);
        noticeStyles.push_back(style);
        if (onNotice) onNotice(text);
        return (style & 0xF) == kNoticeYesNo ? answer : kNoticeResultOk;
    }

    void ShowFileDialog(QString& name, const QString& filter, const QString& title, long& flags) override {
        ShowFileDialogFrom(name, filter, title, flags, {});
    }

    void ShowFileDialogFrom(QString& name, const QString& filter, const QString& title, long& flags,
                            const QStringList& startFolders) override {
        fileDialogCalls.push_back({name, filter, title, flags, startFolders});
        name.clear();
        flags = 0;
        if (nextFile) {
            name = *nextFile;
            flags = 1;
        }
    }

    QString BrowseForFolder(const QString& title, QWidget* owner) override {
        browseCalls.push_back({title, owner, {}});
        return nextFolder;
    }

    QString BrowseForFolderFrom(const QString& title, QWidget* owner, const QStringList& startFolders) override {
        browseCalls.push_back({title, owner, startFolders});
        return nextFolder;
    }

    // Answers: the file the dialog returns (none: cancelled), the folder ("" cancelled).
    std::optional<QString> nextFile;
    QString nextFolder;
    int answer = kNoticeResultNo;  // to a 是/否 box
    // Called with every notice, while the notice would be showing.
    std::function<void(const QString&)> onNotice;

    QWidget* ownerWindow = nullptr;
    std::vector<QString> notices;
    std::vector<int> noticeStyles;
    std::vector<FileDialogCall> fileDialogCalls;
    std::vector<BrowseCall> browseCalls;
};

}  // namespace tirnel::test
