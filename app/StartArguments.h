#pragma once
// What the window program's arguments ask for: the window, with the file to open when one is
// named ("tirnel FILE", as a file manager's "open with" passes it), the usage, the version, or
// a refusal of an option it does not know. "--" ends the options: what follows is a file.

#include <QString>
#include <QStringList>

namespace tirnel {

enum class StartAction { Window, Help, Version, UsageError };

struct StartArguments {
    StartAction action = StartAction::Window;
    QString file;     // the first file named; empty for none
    QString problem;  // what a usage error names
};

// arguments: those after the program's name. The first --help (or -h) or --version decides;
// an unknown --option before it is a usage error. Files after the first are left alone.
StartArguments ReadStartArguments(const QStringList& arguments);

inline constexpr const char* kStartUsage =
    "用法:\n"
    "  tirnel [文件]          打开 Tirnel 文件分割器的窗口;文件是描述文件(.hpe)时准备合并,\n"
    "                         是其他文件时准备分割,是文件夹时作为目标地址\n"
    "  tirnel --help | --version\n"
    "窗口需要图形桌面;没有图形桌面时请用命令行 tirnel-cli(tirnel-cli --help)。\n";

}  // namespace tirnel
