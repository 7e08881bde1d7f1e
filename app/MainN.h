#pragma once
// Start-up: creates the main window and shows it.

namespace tirnel {

class ShellServices;

namespace MainN {

// Creates the main window and shows it without waiting; the window deletes itself when
// closed, and the program ends with it. shell must outlive the window.
void Main(ShellServices& shell);

}  // namespace MainN

}  // namespace tirnel
