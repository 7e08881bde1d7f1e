#include "app/MainN.h"

#include "app/AccessibleControls.h"
#include "app/MainF.h"
#include "platform/FontObject.h"

namespace tirnel::MainN {

MainF* Main(ShellServices& shell, const QStringList& arguments) {
    // The window's "宋体" has to find an installed Song-style face.
    InstallFontSubstitutions();
    // Screen readers see the custom controls as the buttons, options and bar they are.
    InstallAccessibleControls();
    auto* window = new MainF(shell);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    // After the load, which chooses split mode.
    if (!arguments.isEmpty()) window->OpenWith(arguments.first());
    return window;
}

}  // namespace tirnel::MainN
