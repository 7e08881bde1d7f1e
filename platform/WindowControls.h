#pragma once
// The controls of one window: the window itself when it is a control, then every control
// inside it, containers searched depth first in child order. A window of its own parented
// to it (a dialog) holds the controls of another window and is left out. So is a container
// whose children are being destroyed, with everything in it: what is going is no longer
// the window's, and a walk through it could meet a child already half gone.

#include "platform/Control.h"

#include <vector>

class QWidget;

namespace tirnel {

std::vector<Control*> ControlsOnWindow(QWidget* window);

// Those of class T.
template <class T>
std::vector<T*> ControlsOnWindow(QWidget* window) {
    std::vector<T*> found;
    for (Control* control : ControlsOnWindow(window))
        if (auto* t = qobject_cast<T*>(control)) found.push_back(t);
    return found;
}

}  // namespace tirnel
