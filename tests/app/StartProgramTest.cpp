// The window program started as a user starts it: its answers to --help, --version and an
// unknown option, and what it says where there is no display.

#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <optional>

namespace tirnel {
namespace {

struct Ended {
    int status = -1;
    QString out;
    QString err;
};

// Runs build/bin/tirnel with no platform chosen, and DISPLAY as given (unset when empty).
Ended RunTirnel(const QStringList& arguments, const std::optional<QString>& display) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) environment.remove(name);
    if (display) environment.insert(QStringLiteral("DISPLAY"), *display);
    QProcess tirnel;
    tirnel.setProcessEnvironment(environment);
    tirnel.start(QStringLiteral(TIRNEL_BIN_DIR "/tirnel"), arguments);
    // Only a guard against a program that waits for a window nobody closes.
    if (!tirnel.waitForFinished(60000)) {
        tirnel.kill();
        tirnel.waitForFinished();
        ADD_FAILURE() << "tirnel did not end by itself";
        return {};
    }
    EXPECT_EQ(tirnel.exitStatus(), QProcess::NormalExit) << "ended by a signal, not an exit";
    return {tirnel.exitCode(), QString::fromUtf8(tirnel.readAllStandardOutput()),
            QString::fromUtf8(tirnel.readAllStandardError())};
}

TEST(StartProgramTest, AnswersWithoutADisplayAndRefusesUnknownOptions) {
    const QString noDesktop = QStringLiteral(
        "tirnel: 窗口需要图形桌面,但连接不到显示;没有图形桌面时请用命令行 tirnel-cli(见 tirnel-cli --help)。\n");
    const struct {
        QStringList arguments;
        std::optional<QString> display;
        int status;
        QString outStart;  // what standard output starts with
        QString err;       // standard error, or what it starts with when it goes on with the usage
    } rows[] = {
        {{}, std::nullopt, 1, QString(), noDesktop},
        {{QStringLiteral("数据.hpe")}, std::nullopt, 1, QString(), noDesktop},
        {{}, QStringLiteral(":4077"), 1, QString(), noDesktop},  // a display nobody answers
        {{QStringLiteral("--help")}, std::nullopt, 0, QStringLiteral("用法:\n  tirnel [文件]"), QString()},
        {{QStringLiteral("-h")}, std::nullopt, 0, QStringLiteral("用法:\n  tirnel [文件]"), QString()},
        {{QStringLiteral("--version")}, std::nullopt, 0, QStringLiteral("tirnel 1.08\n"), QString()},
        {{QStringLiteral("--bogus")}, std::nullopt, 2, QString(), QStringLiteral("未知选项: --bogus\n用法:\n")},
        {{QStringLiteral("a.bin"), QStringLiteral("--bogus")}, std::nullopt, 2, QString(),
         QStringLiteral("未知选项: --bogus\n用法:\n")},
        {{QStringLiteral("--"), QStringLiteral("--bogus")}, std::nullopt, 1, QString(), noDesktop},  // a file
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.arguments.join(u' ').toStdString() + " DISPLAY=" + row.display.value_or("unset").toStdString());
        const Ended ended = RunTirnel(row.arguments, row.display);
        EXPECT_EQ(ended.status, row.status);
        EXPECT_TRUE(ended.out.startsWith(row.outStart)) << ended.out.toStdString();
        EXPECT_EQ(ended.out.isEmpty(), row.outStart.isEmpty()) << ended.out.toStdString();
        if (row.status == 2) {
            EXPECT_TRUE(ended.err.startsWith(row.err)) << ended.err.toStdString();
            EXPECT_TRUE(ended.err.endsWith(QStringLiteral("tirnel --help | --version\n") +
                                           QStringLiteral("窗口需要图形桌面;没有图形桌面时请用命令行 tirnel-cli(tirnel-cli --help)。\n")))
                << ended.err.toStdString();
        } else {
            EXPECT_EQ(ended.err, row.err);
        }
    }
}

}  // namespace
}  // namespace tirnel
