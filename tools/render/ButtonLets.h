#pragma once
// Property lets on a loaded button by name, the values taken as the command line's settings
// are (PropertyArguments.h).

#include "controls/button/bt.h"

#include <QString>
#include <QStringList>

namespace tirnel::render {

// The properties a script can let.
QStringList ButtonLetNames();
// Whether value, as text, can be let to the property (named in any case).
bool CanLetButtonProperty(const QString& property, const QString& value);
// Runs the property's let with value; false, and nothing done, when CanLetButtonProperty is.
bool LetButtonProperty(bt& button, const QString& property, const QString& value);

}  // namespace tirnel::render
