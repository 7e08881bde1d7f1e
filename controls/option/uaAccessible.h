#pragma once
// The option as assistive technology sees it: a radio button, checked while on, whose
// toggle action does what a click does.

#include "controls/option/ua.h"
#include "platform/AccessibleControl.h"

namespace tirnel {

class uaAccessible : public AccessibleControl {
public:
    explicit uaAccessible(ua* option);

    // The interface of a ua; nullptr for any other object.
    static QAccessibleInterface* Create(const QString& className, QObject* object);

protected:
    QString ActionName() const override { return toggleAction(); }
    void PerformAction() override;
};

}  // namespace tirnel
