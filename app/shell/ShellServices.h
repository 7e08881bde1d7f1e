#pragma once
// The notice box, the file dialog and the folder browser the window and the runs share.
// The window talks to them only through this interface, so tests can put a fake in their place.

#include <QString>
#include <QStringList>

class QWidget;

namespace tirnel {

// Notice box styles, as message-box style flags: buttons in the low four bits, icon above.
inline constexpr int kNoticeOk = 0;
inline constexpr int kNoticeOkCancel = 1;
inline constexpr int kNoticeYesNo = 4;
inline constexpr int kNoticeIconQuestion = 32;
inline constexpr int kNoticeIconInformation = 64;
// The second button is the default (Enter answers with it).
inline constexpr int kNoticeDefaultSecond = 0x100;
// Buttons a notice box returns.
inline constexpr int kNoticeResultOk = 1;
inline constexpr int kNoticeResultCancel = 2;
inline constexpr int kNoticeResultYes = 6;
inline constexpr int kNoticeResultNo = 7;

// File dialog flags.
inline constexpr long kFileDialogOverwritePrompt = 0x2;
inline constexpr long kFileDialogHideReadOnly = 0x4;
inline constexpr long kFileDialogCreatePrompt = 0x2000;

class ShellServices {
public:
    virtual ~ShellServices() = default;

    // The window the notices and the file dialog open over (centred on it), until it goes;
    // before one is set, or after, they open where the desktop puts them.
    virtual void SetOwnerWindow(QWidget* window) { (void)window; }

    // A modal box titled "提示" with the text; returns the button pressed.
    virtual int ShowNotice(const QString& text, int style = kNoticeIconInformation) = 0;

    // The file dialog. filter: "description|pattern[|description|pattern…]", patterns
    // separated by ";". An empty name shows the open dialog, any other the save dialog
    // starting at that name. Afterwards name is "" or, when the user confirmed, the chosen
    // path; flags go in as dialog flags and come out as the result, 1 confirmed, 0 not.
    virtual void ShowFileDialog(QString& name, const QString& filter, const QString& title, long& flags) = 0;

    // The file dialog of an empty name, starting at the first of `startFolders` that exists;
    // with none, where the dialog would start on its own.
    virtual void ShowFileDialogFrom(QString& name, const QString& filter, const QString& title, long& flags,
                                    const QStringList& startFolders) {
        (void)startFolders;
        ShowFileDialog(name, filter, title, flags);
    }

    // The folder chooser, starting at the top of the file system. Returns the chosen folder
    // ending in the separator, or "" when cancelled.
    virtual QString BrowseForFolder(const QString& title, QWidget* owner) = 0;

    // The folder chooser starting at the first of `startFolders` that exists; with none, where
    // the chooser would start on its own.
    virtual QString BrowseForFolderFrom(const QString& title, QWidget* owner, const QStringList& startFolders) {
        (void)startFolders;
        return BrowseForFolder(title, owner);
    }
};

}  // namespace tirnel
