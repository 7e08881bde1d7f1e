#include "platform/ControlSite.h"

#include "platform/Form.h"

namespace tirnel {

void SiteControl(Control& control, const QString& name, const PropertyBag* bag) {
    control.setObjectName(name);
    if (const auto* form = qobject_cast<const Form*>(control.window())) {
        control.SetAmbient(form->AmbientFor(control));
    } else {
        AmbientProperties ambient;
        ambient.DisplayName = name;
        control.SetAmbient(ambient);
    }
    if (bag) {
        control.Create(*bag);
    } else {
        control.Create();
    }
}

}  // namespace tirnel
