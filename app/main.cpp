// The program: the main window on Qt's dialogs, until the window is closed.
// "tirnel FILE" starts with FILE filled in, as a file manager's "open with" passes it;
// --help and --version answer without a display (StartArguments.h).

#include "app/MainN.h"
#include "app/ProgramIcon.h"
#include "app/StartArguments.h"
#include "app/StartMessages.h"
#include "app/shell/ChineseTranslation.h"
#include "app/shell/QtShellServices.h"
#include "platform/io/ProcessLimits.h"

#include <QApplication>

#include <cstdio>

#ifndef TIRNEL_VERSION
#error "TIRNEL_VERSION comes from the project's version in CMake"
#endif

namespace {

constexpr int kUsageError = 2;

QStringList ArgumentsOf(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

}  // namespace

int main(int argc, char** argv) {
    const tirnel::StartArguments start = tirnel::ReadStartArguments(ArgumentsOf(argc, argv));
    switch (start.action) {
    case tirnel::StartAction::Help: std::fputs(tirnel::kStartUsage, stdout); return 0;
    case tirnel::StartAction::Version: std::fputs("tirnel " TIRNEL_VERSION "\n", stdout); return 0;
    case tirnel::StartAction::UsageError:
        std::fprintf(stderr, "%s\n%s", qPrintable(start.problem), tirnel::kStartUsage);
        return kUsageError;
    case tirnel::StartAction::Window: break;
    }
    // A write past a file-size limit fails the run with its reason instead of ending the window.
    tirnel::IgnoreFileSizeSignal();
    // Declared first so that it outlives the window, whenever that is deleted.
    tirnel::QtShellServices shell;
    tirnel::StartMessages startMessages;
    QApplication app(argc, argv);
    startMessages.Started();
    QApplication::setApplicationName(QStringLiteral("tirnel"));
    QApplication::setDesktopFileName(QStringLiteral("tirnel"));
    // The dialogs' title bars too.
    QApplication::setWindowIcon(tirnel::ProgramIcon());
    // The window is Chinese, so are Qt's dialogs and buttons, whatever the locale.
    tirnel::InstallQtChineseTranslation();
    // The file as Qt leaves the arguments, without the options it took for itself.
    const QString file = tirnel::ReadStartArguments(QApplication::arguments().mid(1)).file;
    tirnel::MainN::Main(shell, file.isEmpty() ? QStringList() : QStringList{file});
    return app.exec();
}
