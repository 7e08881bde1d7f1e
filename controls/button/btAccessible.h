#pragma once
// The push button as assistive technology sees it: a push button, or a check box in
// check-box mode, whose press (or toggle) action does what a click does.

#include "controls/button/bt.h"
#include "platform/AccessibleControl.h"

namespace tirnel {

class btAccessible : public AccessibleControl {
public:
    explicit btAccessible(bt* button);

    QAccessible::Role role() const override;

    // The interface of a bt; nullptr for any other object.
    static QAccessibleInterface* Create(const QString& className, QObject* object);

protected:
    QString ActionName() const override;
    void PerformAction() override;

private:
    bt* button() const;
};

}  // namespace tirnel
