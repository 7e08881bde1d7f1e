// The program: the main window on Qt's dialogs, until the window is closed.

#include "app/MainN.h"
#include "app/shell/QtShellServices.h"

#include <QApplication>

int main(int argc, char** argv) {
    // Declared first so that it outlives the window, whenever that is deleted.
    tirnel::QtShellServices shell;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tirnel"));
    QApplication::setDesktopFileName(QStringLiteral("tirnel"));
    tirnel::MainN::Main(shell);
    return app.exec();
}
