#include "app/AccessibleControls.h"

#include "controls/button/btAccessible.h"
#include "controls/option/uaAccessible.h"
#include "controls/progress/uoAccessible.h"

#include <QAccessible>

namespace tirnel {

void InstallAccessibleControls() {
    static const bool installed = [] {
        for (QAccessible::InterfaceFactory factory : {&btAccessible::Create, &uaAccessible::Create, &uoAccessible::Create})
            QAccessible::installFactory(factory);
        return true;
    }();
    (void)installed;
}

}  // namespace tirnel
