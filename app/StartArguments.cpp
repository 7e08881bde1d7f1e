#include "app/StartArguments.h"

#include <array>
#include <utility>

namespace tirnel {

namespace {

const std::array<std::pair<QString, StartAction>, 3> kOptions{{
    {QStringLiteral("--help"), StartAction::Help},
    {QStringLiteral("-h"), StartAction::Help},
    {QStringLiteral("--version"), StartAction::Version},
}};

}  // namespace

StartArguments ReadStartArguments(const QStringList& arguments) {
    StartArguments start;
    bool options = true;
    for (const QString& argument : arguments) {
        if (options && argument == QLatin1String("--")) {
            options = false;
            continue;
        }
        if (options) {
            for (const auto& [name, action] : kOptions)
                if (argument == name) return {action, QString(), QString()};
            if (argument.startsWith(QLatin1String("--")))
                return {StartAction::UsageError, QString(), QStringLiteral("未知选项: ") + argument};
        }
        if (start.file.isEmpty()) start.file = argument;
    }
    return start;
}

}  // namespace tirnel
