#pragma once
// Paths handed to the window from outside its dialogs: dropped on it, or named when the
// program starts ("tirnel FILE", as the launcher's "open with" passes it).

#include <QString>

class QMimeData;

namespace tirnel {

enum class HandedKind {
    Folder,      // an existing folder
    Descriptor,  // what merge mode takes: ".hpe" in any letter case, or a numbered piece (NAME.001)
    File,        // any other name
};

HandedKind KindOfHandedPath(const QString& path);

// What a drop holds, as the window takes it.
enum class DropKind {
    NoFiles,     // no URLs at all (text, say): not a drop for the window
    Usable,      // a local folder or ordinary file that exists
    NotHere,     // a remote URL, or a local file that is not there
    NotOrdinary, // a device, a pipe or a socket
};

struct DroppedPath {
    DropKind kind = DropKind::NoFiles;
    QString path;  // of a usable drop: absolute, without a trailing separator
};

// The first URL of the drop.
DroppedPath ReadDrop(const QMimeData* data);

// The notice that refuses a drop of that kind (NotHere, NotOrdinary).
QString DropRefusal(DropKind kind);

}  // namespace tirnel
