// The option from the keyboard: the keys, the group's single tab stop, and the focus mark.

#include "controls/option/ua.h"

#include "platform/InputCodes.h"

#include <QFocusEvent>

#include <algorithm>

namespace tirnel {

namespace {

// What the way the focus came does to the focus mark.
enum class Cue { Show, Keep, Hide };

struct ReasonCue {
    Qt::FocusReason reason;
    Cue cue;
};

// The keyboard's ways show it, the window's coming back and a closed popup leave it as it
// was; any other way (the pointer, the program) hides it.
constexpr ReasonCue kReasonCues[] = {
    {Qt::TabFocusReason, Cue::Show},         {Qt::BacktabFocusReason, Cue::Show}, {Qt::ShortcutFocusReason, Cue::Show},
    {Qt::ActiveWindowFocusReason, Cue::Keep}, {Qt::PopupFocusReason, Cue::Keep},
};

Cue CueFor(Qt::FocusReason reason) {
    for (const ReasonCue& r : kReasonCues)
        if (r.reason == reason) return r.cue;
    return Cue::Hide;
}

QWidget* Step(QWidget* from, bool next) { return next ? from->nextInFocusChain() : from->previousInFocusChain(); }

}  // namespace

// The key events are raised first. Then, unless Ctrl or Alt is held or the key repeats, the
// space bar clicks and the arrow keys select the previous or next option of the group.
void ua::UserControl_KeyDown(int KeyCode, int Shift) {
    std::int16_t keyCode = static_cast<std::int16_t>(KeyCode);
    std::int16_t shift = static_cast<std::int16_t>(Shift);
    emit KeyDown(keyCode, shift);
    if (!mFocusCue) {
        mFocusCue = true;
        Redraw();
    }
    static constexpr struct {
        int keyCode;
        void (ua::*act)();
    } kKeys[] = {
        {kKeySpace, &ua::PerformClick}, {kKeyLeft, &ua::SelectPrevious}, {kKeyUp, &ua::SelectPrevious},
        {kKeyRight, &ua::SelectNext},   {kKeyDown, &ua::SelectNext},
    };
    if (KeyRepeating() || (Shift & (kCtrlMask | kAltMask)) != 0) return;
    for (const auto& key : kKeys) {
        if (key.keyCode != KeyCode) continue;
        (this->*key.act)();
        return;
    }
}

void ua::UserControl_KeyUp(int KeyCode, int Shift) {
    std::int16_t keyCode = static_cast<std::int16_t>(KeyCode);
    std::int16_t shift = static_cast<std::int16_t>(Shift);
    emit KeyUp(keyCode, shift);
}

void ua::UserControl_KeyPress(int KeyAscii) {
    std::int16_t keyAscii = static_cast<std::int16_t>(KeyAscii);
    emit KeyPress(keyAscii);
}

ua* ua::Neighbour(bool next) {
    QWidget* const top = window();
    const QString tag = Tag();
    for (QWidget* w = Step(this, next); w && w != this; w = Step(w, next)) {
        auto* option = qobject_cast<ua*>(w);
        if (option && option->window() == top && option->Tag() == tag && option->isEnabled() && option->isVisibleTo(top))
            return option;
    }
    return this;
}

void ua::SelectNeighbour(bool next) {
    ua* option = Neighbour(next);
    option->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    option->PerformClick();
}

void ua::UpdateTabStops(const std::vector<ua*>& group) {
    auto stop = std::find_if(group.begin(), group.end(), [](ua* o) { return o->isEnabled() && IsTrue(o->Value()); });
    if (stop == group.end()) stop = std::find_if(group.begin(), group.end(), [](ua* o) { return o->isEnabled(); });
    for (ua* option : group)
        option->setFocusPolicy(stop != group.end() && option == *stop ? Qt::StrongFocus : Qt::ClickFocus);
}

void ua::focusInEvent(QFocusEvent* event) {
    Control::focusInEvent(event);
    const Cue cue = CueFor(event->reason());
    if (cue != Cue::Keep) mFocusCue = cue == Cue::Show;
    Redraw();
}

void ua::focusOutEvent(QFocusEvent* event) {
    Control::focusOutEvent(event);
    Redraw();
}

}  // namespace tirnel
