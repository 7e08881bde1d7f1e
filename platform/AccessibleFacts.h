#pragma once
// What a control tells assistive technology beyond what Qt knows of any widget (its place,
// focus, visibility), and the announcer that tells it what changed: a new name, states that
// changed, a new value, as Qt's accessibility events.

#include <QAccessible>
#include <QString>
#include <QVariant>

#include <functional>
#include <optional>

namespace tirnel {

struct AccessibleFacts {
    QString caption;           // what the name is read from; "&" marks the access key
    QAccessible::State state;  // the states the control decides itself
    QVariant value;            // for a control that shows one
};

// The states set in either.
QAccessible::State CombinedStates(QAccessible::State a, QAccessible::State b);

// Keeps the facts last told for one control and announces what differs from them. Nothing
// is told, and the facts are not even asked for, while no assistive technology listens; the
// first facts it hears are only kept.
class AccessibleAnnouncer {
public:
    void Announce(QObject* control, const std::function<AccessibleFacts()>& facts);

private:
    std::optional<AccessibleFacts> mTold;
};

}  // namespace tirnel
