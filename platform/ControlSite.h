#pragma once
// Puts a control on its form the way the form's loading does: named, given the ambient
// values of the form that holds it at any depth of containers (user mode, display name,
// font, colours, default status), then created. A control on no form gets a run-time
// container's values and its name as display name.

#include "platform/Control.h"
#include "platform/PropertyBag.h"

#include <QString>

namespace tirnel {

// Names the control, hands it the ambient values and creates it: loaded from bag when one
// is given, a new instance otherwise. Anything the container sets before loading (tag,
// extent) is set on the control before this.
void SiteControl(Control& control, const QString& name, const PropertyBag* bag = nullptr);

// A control of class T that unloads itself when destroyed, while all of T still exists, so
// T's Terminate runs once however the control goes (and not again after an Unload).
template <class T>
class Hosted final : public T {
public:
    using T::T;
    ~Hosted() override { this->Unload(); }
};

}  // namespace tirnel
