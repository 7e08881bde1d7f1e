// The program: the main window on Qt's dialogs, until the window is closed.
// "tirnel FILE" starts with FILE filled in, as a file manager's "open with" passes it.

#include "app/MainN.h"
#include "app/shell/ChineseTranslation.h"
#include "app/shell/QtShellServices.h"
#include "platform/io/ProcessLimits.h"

#include <QApplication>

int main(int argc, char** argv) {
    // A write past a file-size limit fails the run with its reason instead of ending the window.
    tirnel::IgnoreFileSizeSignal();
    // Declared first so that it outlives the window, whenever that is deleted.
    tirnel::QtShellServices shell;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tirnel"));
    QApplication::setDesktopFileName(QStringLiteral("tirnel"));
    // The window is Chinese, so are Qt's dialogs and buttons, whatever the locale.
    tirnel::InstallQtChineseTranslation();
    tirnel::MainN::Main(shell, QApplication::arguments().mid(1));
    return app.exec();
}
