#pragma once
// Turns a "description|pattern" filter text into the name filters of a Qt file dialog.

#include <QString>
#include <QStringList>

namespace tirnel {

// One name filter per description/pattern pair: "description (patterns)", the patterns
// separated by blanks. "*.*" becomes "*" so that names without a dot are listed as well.
// A description without its pattern is dropped.
QStringList NameFiltersFromText(const QString& filter);

}  // namespace tirnel
