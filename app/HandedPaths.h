#pragma once
// Paths handed to the window from outside its dialogs: dropped on it, or named when the
// program starts ("tirnel FILE", as the launcher's "open with" passes it).

#include <QString>

class QMimeData;

namespace tirnel {

enum class HandedKind {
    Folder,      // an existing folder
    Descriptor,  // a name ending in ".hpe", in any letter case
    File,        // any other name
};

HandedKind KindOfHandedPath(const QString& path);

// The path of a drop: its first URL when that names an existing local file or folder,
// absolute and without a trailing separator; "" for anything else (text, remote URLs).
QString LocalPathOfDrop(const QMimeData* data);

// Where a path goes in each mode.
enum class DropFill {
    Nothing,
    Folder,  // the folder box
    Source,  // the source box, and its folder into the folder box
};

DropFill FillFor(HandedKind kind, bool mergeMode);

}  // namespace tirnel
