#include "app/MainN.h"

#include "app/MainF.h"
#include "platform/FontObject.h"

namespace tirnel::MainN {

void Main(ShellServices& shell) {
    // The window's "宋体" has to find an installed Song-style face.
    InstallFontSubstitutions();
    auto* window = new MainF(shell);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
}

}  // namespace tirnel::MainN
