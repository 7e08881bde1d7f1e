#include "app/HandedPaths.h"

#include "pieceset/NumberedSet.h"
#include "pieceset/PathText.h"
#include "pieceset/PieceSetFormat.h"

#include <QDir>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace tirnel {

HandedKind KindOfHandedPath(const QString& path) {
    if (QFileInfo(path).isDir()) return HandedKind::Folder;
    const std::string name = FileNameOf(QDir::toNativeSeparators(path).toStdString());
    return HasDescriptorExtension(name) || ParseNumberedName(name) ? HandedKind::Descriptor : HandedKind::File;
}

DroppedPath ReadDrop(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().isEmpty()) return {};
    const QUrl url = data->urls().first();
    const QFileInfo info(url.isLocalFile() ? url.toLocalFile() : QString());
    if (!url.isLocalFile() || !info.exists()) return {DropKind::NotHere, QString()};
    if (!info.isDir() && !info.isFile()) return {DropKind::NotOrdinary, QString()};
    return {DropKind::Usable, QDir::toNativeSeparators(QDir::cleanPath(info.absoluteFilePath()))};
}

QString DropRefusal(DropKind kind) {
    static const struct {
        DropKind kind;
        QString text;
    } kRefusals[] = {
        {DropKind::NotHere, QStringLiteral("只能拖放本机上的文件或文件夹!")},
        {DropKind::NotOrdinary, QStringLiteral("拖放的不是普通文件,不能分割或合并!")},
    };
    for (const auto& refusal : kRefusals)
        if (refusal.kind == kind) return refusal.text;
    return QString();
}

}  // namespace tirnel
