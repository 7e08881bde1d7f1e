#pragma once
// The window's controls: made with their stored settings and driven only through what is
// declared here, so the window needs nothing else of them.

#include "controls/button/bt.h"
#include "controls/option/ua.h"
#include "controls/progress/uo.h"

#include <utility>

namespace tirnel {

using ProgressBarControl = uo;
using OptionControl = ua;
using ButtonControl = bt;

// The progress bar with its design-time settings: Value 0 of 0 … 100, Aqua theme, the text
// in 宋体 9 pt with a white glow.
ProgressBarControl* NewProgressBar(QWidget* parent, const QString& name, const QString& text);
void SetBarValue(ProgressBarControl* bar, int value);  // repaints at once
int BarValue(const ProgressBarControl* bar);
void SetBarText(ProgressBarControl* bar, const QString& text);
QString BarText(const ProgressBarControl* bar);

// An option in 宋体 9 pt; a click turns off every option of the window with the same tag,
// whatever container it sits in, and turns this one on.
OptionControl* NewOption(QWidget* parent, const QString& name, const QString& caption, const QString& tag,
                         bool value);
bool OptionValue(const OptionControl* option);
void SetOptionValue(OptionControl* option, bool value);  // from code: the group is left alone
// Turns one option of a pair on and the other off, as a click on the first leaves them.
void ChooseOption(OptionControl* on, OptionControl* off);
void SetOptionEnabled(OptionControl* option, bool enabled);

// A round-blue push button on 0xE7EBEC in 宋体 9 pt.
ButtonControl* NewButton(QWidget* parent, const QString& name, const QString& caption);

// Click of an option (also when it is on already, before its group changes) or of a button.
template <class Handler>
void OnClick(OptionControl* option, QObject* receiver, Handler&& handler) {
    QObject::connect(option, &ua::Click, receiver, std::forward<Handler>(handler));
}
template <class Handler>
void OnClick(ButtonControl* button, QObject* receiver, Handler&& handler) {
    QObject::connect(button, &bt::Click, receiver, std::forward<Handler>(handler));
}

}  // namespace tirnel
