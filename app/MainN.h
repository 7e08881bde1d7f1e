#pragma once
// Start-up: creates the main window and shows it.

#include <QStringList>

namespace tirnel {

class MainF;
class ShellServices;

namespace MainN {

// Creates the main window and shows it without waiting; the window deletes itself when
// closed, and the program ends with it. shell must outlive the window. arguments: the
// program's arguments after its name; the first, when there is one, is the file the window
// starts with (a descriptor in merge mode, another file in split mode).
MainF* Main(ShellServices& shell, const QStringList& arguments = {});

}  // namespace MainN

}  // namespace tirnel
