#include "app/ProgramIcon.h"

#include <QDir>

namespace tirnel {

QIcon ProgramIcon() {
    QIcon icon;
    const QDir folder(QStringLiteral(":/icons"));
    for (const QString& name : folder.entryList({QStringLiteral("tirnel-*.png")}, QDir::Files))
        icon.addFile(folder.filePath(name));
    return icon;
}

}  // namespace tirnel
