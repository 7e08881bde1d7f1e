// tirnel-render button: its event and property lists match the in-process runner's for the
// same steps, its states lead where they say, and bad arguments write nothing.

#include "tools/render/ButtonScript.h"
#include "tools/render/PropertyArguments.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <vector>

namespace tirnel::render {
namespace {

const QString kTool = QStringLiteral(TIRNEL_BIN_DIR "/tirnel-render");

struct ToolRun {
    int exitCode = -1;
    QStringList out;
    QString err;
};

ToolRun RunTool(const QStringList& arguments) {
    QProcess process;
    process.start(kTool, QStringList{QStringLiteral("button")} + arguments);
    ToolRun run;
    if (!process.waitForFinished(60000)) return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QStringList Texts(std::initializer_list<const char*> texts) {
    QStringList out;
    for (const char* text : texts) out << QString::fromUtf8(text);
    return out;
}

std::vector<std::string> Strings(const QStringList& lines) {
    std::vector<std::string> out;
    for (const QString& line : lines) out.push_back(line.toStdString());
    return out;
}

class ButtonRenderToolTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!QFileInfo(kTool).isExecutable()) GTEST_SKIP() << "tirnel-render is not built";
        ASSERT_TRUE(mDir.isValid());
    }
    QString File(const char* name) const { return mDir.filePath(QString::fromUtf8(name)); }

    QTemporaryDir mDir;
};

TEST_F(ButtonRenderToolTest, ListsWhatTheRunnerRecords) {
    struct Case {
        QStringList settings;
        QStringList ambient;
        const char* state;
        QStringList steps;
    };
    const std::vector<Case> cases = {
        {Texts({"CheckBoxMode=True", "Caption=&Go"}), {}, nullptr,
         Texts({"activate", "move:10,5", "press:10,5", "release:10,5", "let:ButtonStyle=4", "alt:g", "leave"})},
        {Texts({"ButtonStyle=0", "ForeColor=0x0000FF"}), Texts({"DisplayAsDefault=True", "BackColor=0x00C0FFEE"}),
         "focus", Texts({"key:space", "key:enter", "let:Caption=Hi", "dblclick:3,3", "release:3,3"})},
        {Texts({"Caption=Designer"}), Texts({"UserMode=False"}), "hover", Texts({"let:MaskColor=0x123456", "leave"})},
    };
    for (const Case& c : cases) {
        QStringList arguments{QStringLiteral("--size"), QStringLiteral("75x23")};
        ButtonSessionOptions options;
        for (const QString& setting : c.settings) {
            arguments << QStringLiteral("--set") << setting;
            ASSERT_TRUE(AddSetting(options.bag, setting));
        }
        for (const QString& setting : c.ambient) {
            arguments << QStringLiteral("--ambient") << setting;
            ASSERT_TRUE(AddButtonAmbient(options.ambient, setting));
        }
        QStringList steps;
        if (c.state) {
            arguments << QStringLiteral("--state") << QString::fromUtf8(c.state);
            steps = *StateSteps(QString::fromUtf8(c.state), QSize(75, 23));
        }
        for (const QString& step : c.steps) arguments << QStringLiteral("--do") << step;
        steps += c.steps;
        arguments << QStringLiteral("--events") << QStringLiteral("-") << QStringLiteral("--save")
                  << QStringLiteral("-") << QStringLiteral("--out") << File("button.png");

        QStringList expected;
        {
            ButtonSession session(options);
            ASSERT_TRUE(session.Run(steps));
            expected = session.Log() + session.Saved();
        }
        const ToolRun run = RunTool(arguments);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(Strings(run.out), Strings(expected)) << arguments.join(u' ').toStdString();
        EXPECT_FALSE(expected.isEmpty());
    }
}

// Enter ends each run: a focused button takes it itself (Click, KeyDown), otherwise the form
// hands it to its default button as an access key (Click alone).
TEST_F(ButtonRenderToolTest, StatesRunTheirSteps) {
    struct Case {
        const char* state;
        QStringList events;
    };
    const std::vector<Case> cases = {
        {"normal", Texts({"Click"})},
        {"hover", Texts({"MouseMove 0 0 40 12.5", "MouseEnter", "Click"})},
        {"down", Texts({"MouseMove 0 0 40 12.5", "MouseEnter", "MouseDown 1 0 40 12.5", "Click", "KeyDown 13 0"})},
        {"focus", Texts({"Click", "KeyDown 13 0"})},
    };
    for (const Case& c : cases) {
        const QString out = File("state.png");
        QFile::remove(out);
        const ToolRun run = RunTool({"--size", "80x25", "--state", c.state, "--ambient", "DisplayAsDefault=True",
                                     "--do", "key:enter", "--events", "-", "--out", out});
        ASSERT_EQ(run.exitCode, 0) << c.state << run.err.toStdString();
        EXPECT_EQ(Strings(run.out), Strings(c.events)) << c.state;
        EXPECT_EQ(QImage(out).size(), QSize(80, 25)) << c.state;
    }
}

TEST_F(ButtonRenderToolTest, BadArgumentsWriteNothing) {
    const std::vector<QStringList> cases = {
        Texts({"--size", "75x23", "--do", "jump"}),
        Texts({"--size", "75x23", "--do", "move:5,5", "--do", "move:5"}),
        Texts({"--size", "75x23", "--do", "press:a,b"}),
        Texts({"--size", "75x23", "--do", "press:5,5:middle"}),
        Texts({"--size", "75x23", "--do", "key:tab"}),
        Texts({"--size", "75x23", "--do", "key:space:twice"}),
        Texts({"--size", "75x23", "--do", "let:Nothing=1"}),
        Texts({"--size", "75x23", "--do", "let:Value=maybe"}),
        Texts({"--size", "75x23", "--do", "alt:"}),
        Texts({"--size", "75x23", "--ambient", "ForeColor=0"}),
        Texts({"--size", "75x23", "--ambient", "UserMode=perhaps"}),
        Texts({"--size", "75x23", "--state", "pressed"}),
        Texts({"--size", "75x23", "--set", "Caption"}),
        Texts({"--size", "75"}),
        Texts({"--do", "activate"}),
        Texts({"--size", "75x23", "--unknown", "1"}),
        Texts({"--size", "75x23", "--scale", "0.5"}),
        Texts({"--size", "75x23", "--scale", "4.5"}),
        Texts({"--size", "75x23", "--scale", "2x"}),
    };
    const QString out = File("bad.png");
    const QString events = File("bad.events");
    const QString save = File("bad.save");
    for (const QStringList& c : cases) {
        // Every case but the one without it names the PNG.
        QStringList arguments = c + QStringList{"--events", events, "--save", save, "--out", out};
        const ToolRun run = RunTool(arguments);
        EXPECT_EQ(run.exitCode, 2) << c.join(u' ').toStdString();
        EXPECT_TRUE(run.err.contains(QLatin1String("tirnel-render: "))) << c.join(u' ').toStdString();
        EXPECT_FALSE(QFileInfo::exists(out) || QFileInfo::exists(events) || QFileInfo::exists(save))
            << c.join(u' ').toStdString();
    }
    const ToolRun noOut = RunTool({"--size", "75x23", "--events", events});
    EXPECT_EQ(noOut.exitCode, 2);
    EXPECT_FALSE(QFileInfo::exists(events));
}

}  // namespace
}  // namespace tirnel::render
