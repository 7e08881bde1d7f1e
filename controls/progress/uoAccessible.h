#pragma once
// The progress bar as assistive technology sees it: a progress bar named by its text, whose
// value and range are Value, Min and Max, read only.

#include "controls/progress/uo.h"
#include "platform/AccessibleControl.h"

namespace tirnel {

class uoAccessible : public AccessibleControl, public QAccessibleValueInterface {
public:
    explicit uoAccessible(uo* bar);

    // The value as text: Value in digits.
    QString text(QAccessible::Text t) const override;
    void* interface_cast(QAccessible::InterfaceType t) override;

    QVariant currentValue() const override;
    // The bar is only shown: a value from outside changes nothing.
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

    // The interface of a uo; nullptr for any other object.
    static QAccessibleInterface* Create(const QString& className, QObject* object);

private:
    uo* bar() const;
};

}  // namespace tirnel
