// The program: the main window on Qt's dialogs, until the window is closed.

#include "app/MainN.h"
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
    tirnel::MainN::Main(shell);
    return app.exec();
}
