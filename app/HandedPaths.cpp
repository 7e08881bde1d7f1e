#include "app/HandedPaths.h"

#include "pieceset/PieceSetFormat.h"

#include <QDir>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace tirnel {

HandedKind KindOfHandedPath(const QString& path) {
    if (QFileInfo(path).isDir()) return HandedKind::Folder;
    return HasDescriptorExtension(path.toStdString()) ? HandedKind::Descriptor : HandedKind::File;
}

QString LocalPathOfDrop(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().isEmpty()) return QString();
    const QUrl url = data->urls().first();
    if (!url.isLocalFile()) return QString();
    const QFileInfo info(url.toLocalFile());
    if (!info.exists()) return QString();
    return QDir::toNativeSeparators(QDir::cleanPath(info.absoluteFilePath()));
}

DropFill FillFor(HandedKind kind, bool mergeMode) {
    // Rows: folder, descriptor, other file. Columns: split mode, merge mode. Merge mode
    // reads descriptors only, as its chooser lists them only.
    static constexpr DropFill kFills[3][2] = {
        {DropFill::Folder, DropFill::Folder},
        {DropFill::Source, DropFill::Source},
        {DropFill::Source, DropFill::Nothing},
    };
    return kFills[static_cast<int>(kind)][mergeMode ? 1 : 0];
}

}  // namespace tirnel
