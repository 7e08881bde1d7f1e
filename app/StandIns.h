#pragma once
// The window's controls of our own, and Qt's radio button and push button standing in for
// the option and button controls until those exist. The window makes and drives them only
// through what is declared here, so a swap touches this file pair alone.

#include "controls/progress/uo.h"

#include <QPushButton>
#include <QRadioButton>

#include <utility>

namespace tirnel {

using ProgressBarControl = uo;
using OptionControl = QRadioButton;
using ButtonControl = QPushButton;

// The progress bar with its design-time settings: Value 0 of 0 … 100, Aqua theme, the text
// in 宋体 9 pt with a white glow.
ProgressBarControl* NewProgressBar(QWidget* parent, const QString& name, const QString& text);
void SetBarValue(ProgressBarControl* bar, int value);  // repaints at once
int BarValue(const ProgressBarControl* bar);
void SetBarText(ProgressBarControl* bar, const QString& text);
QString BarText(const ProgressBarControl* bar);

// An option; the options of one window that carry the same tag form a group of which
// exactly one is on, whatever container they sit in.
OptionControl* NewOption(QWidget* parent, const QString& name, const QString& caption, const QString& tag,
                         bool value);
bool OptionValue(const OptionControl* option);
void SetOptionValue(OptionControl* option, bool value);

ButtonControl* NewButton(QWidget* parent, const QString& name, const QString& caption);

// Click of an option (also when it is on already) or of a button.
template <class Control, class Handler>
void OnClick(Control* control, QObject* receiver, Handler&& handler) {
    QObject::connect(control, &QAbstractButton::clicked, receiver, std::forward<Handler>(handler));
}

}  // namespace tirnel
