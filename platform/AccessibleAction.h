#pragma once
// An action assistive technology asks of a control (press, toggle), as it reaches the
// control: an event of its own type, posted to the control, which then performs it. Being an
// event, it passes the control's event filters, so a window that holds back the user's input
// for a while holds this back too.

#include <QEvent>

#include <functional>

namespace tirnel {

class AccessibleActionEvent : public QEvent {
public:
    static QEvent::Type Kind();

    explicit AccessibleActionEvent(std::function<void()> perform);
    void Perform() const { mPerform(); }

private:
    std::function<void()> mPerform;
};

}  // namespace tirnel
