#include "platform/AccessibleAction.h"

#include <utility>

namespace tirnel {

QEvent::Type AccessibleActionEvent::Kind() {
    static const auto kind = static_cast<QEvent::Type>(QEvent::registerEventType());
    return kind;
}

AccessibleActionEvent::AccessibleActionEvent(std::function<void()> perform)
    : QEvent(Kind()), mPerform(std::move(perform)) {}

}  // namespace tirnel
