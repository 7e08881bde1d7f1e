#include "app/shell/FileDialogFilter.h"

namespace tirnel {

namespace {

QString QtPatterns(const QString& patterns) {
    QStringList list;
    for (const QString& pattern : patterns.split(u';', Qt::SkipEmptyParts)) {
        const QString trimmed = pattern.trimmed();
        if (trimmed.isEmpty()) continue;
        list << (trimmed == QLatin1String("*.*") ? QStringLiteral("*") : trimmed);
    }
    return list.isEmpty() ? QStringLiteral("*") : list.join(u' ');
}

}  // namespace

QStringList NameFiltersFromText(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty() && parts[i + 1].isEmpty()) break;  // the closing "||" of a filter text
        filters << parts[i] + QStringLiteral(" (") + QtPatterns(parts[i + 1]) + u')';
    }
    return filters;
}

}  // namespace tirnel
