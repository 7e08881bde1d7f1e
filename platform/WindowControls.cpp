#include "platform/WindowControls.h"

#include <QWidget>

#include <algorithm>

namespace tirnel {

namespace {

// Qt empties a child's slot in its parent's list before it destroys the child.
bool LosingChildren(const QObject& container) {
    const QObjectList& children = container.children();
    return std::find(children.begin(), children.end(), nullptr) != children.end();
}

void Collect(const QWidget& container, std::vector<Control*>& found) {
    for (QObject* child : container.children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget || widget->isWindow() || LosingChildren(*widget)) continue;
        if (auto* control = qobject_cast<Control*>(widget)) found.push_back(control);
        Collect(*widget, found);
    }
}

}  // namespace

std::vector<Control*> ControlsOnWindow(QWidget* window) {
    std::vector<Control*> found;
    if (!window || LosingChildren(*window)) return found;
    if (auto* self = qobject_cast<Control*>(window)) found.push_back(self);
    Collect(*window, found);
    return found;
}

}  // namespace tirnel
