#include "platform/AccessibleFacts.h"

#include <bit>
#include <cstdint>
#include <utility>

namespace tirnel {

namespace {

std::uint64_t Bits(QAccessible::State state) { return std::bit_cast<std::uint64_t>(state); }

QAccessible::State StateOf(std::uint64_t bits) { return std::bit_cast<QAccessible::State>(bits); }

}  // namespace

QAccessible::State CombinedStates(QAccessible::State a, QAccessible::State b) { return StateOf(Bits(a) | Bits(b)); }

void AccessibleAnnouncer::Announce(QObject* control, const std::function<AccessibleFacts()>& facts) {
    if (!QAccessible::isActive()) {
        mTold.reset();
        return;
    }
    const AccessibleFacts now = facts();
    const std::optional<AccessibleFacts> told = std::exchange(mTold, now);
    if (!told) return;
    if (told->caption != now.caption) {
        QAccessibleEvent event(control, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
    if (const std::uint64_t changed = Bits(told->state) ^ Bits(now.state)) {
        QAccessibleStateChangeEvent event(control, StateOf(changed));
        QAccessible::updateAccessibility(&event);
    }
    if (told->value != now.value) {
        QAccessibleValueChangeEvent event(control, now.value);
        QAccessible::updateAccessibility(&event);
    }
}

}  // namespace tirnel
