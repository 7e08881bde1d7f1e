// How the window fares with many pieces, measured on the real window (offscreen) while a 1 ms
// timer runs:
//   1. its wall time against tirnel-cli's for the same split into 10 KB and 4 KB pieces;
//   2. the longest wait of its event loop while the commit puts 30,000 pieces in place over an
//      older set of as many (goal: 50 ms at most);
//   3. the longest wait during a split of a large file into 1 GB pieces.
//
//   build/bench/window_responsiveness [SPLIT_MIB] [FOLDER]   (default 300 MiB in /var/tmp)
//
// The 1 GB-piece run cuts a file of 2 GiB.

#include "app/MainF.h"
#include "app/shell/ShellServices.h"
#include "platform/Control.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QtTest/QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

class QuietShell : public tirnel::ShellServices {
public:
    // Questions are answered 是 (replace the older set); other notices end the run.
    int ShowNotice(const QString& text, int style) override {
        if ((style & 0xF) != tirnel::kNoticeYesNo) notices.push_back(text);
        return tirnel::kNoticeResultYes;
    }
    void ShowFileDialog(QString& name, const QString&, const QString&, long& flags) override {
        name.clear();
        flags = 0;
    }
    QString BrowseForFolder(const QString&, QWidget*) override { return {}; }
    std::vector<QString> notices;
};

void MakeFile(const fs::path& path, long long mib, unsigned seed) {
    std::ofstream out(path, std::ios::binary);
    std::vector<char> block(1 << 20);
    std::mt19937 gen(seed);
    for (char& c : block) c = static_cast<char>(gen());
    for (long long i = 0; i < mib; ++i) out.write(block.data(), static_cast<std::streamsize>(block.size()));
}

// One split in the window: its wall time, and the longest gap between two ticks of a 1 ms
// timer, over the whole run or (commitOnly) from the first "正在保存" on the bar.
struct WindowRun {
    double seconds = 0;
    double longestMs = 0;
};

WindowRun SplitInWindow(const fs::path& source, const fs::path& folder, const QString& size, bool megabytes,
                        bool commitOnly) {
    QuietShell shell;
    tirnel::MainF window(shell);
    window.show();
    QTest::qWait(50);
    window.txtPsd->setText(QString::fromStdString(source.string()));
    window.Text1->setText(QString::fromStdString(folder.string()));
    window.Text2->setText(size);
    if (megabytes) QTest::mouseClick(window.Option3, Qt::LeftButton, {}, QPoint(5, 5));

    QElapsedTimer clock;
    qint64 last = 0, longest = 0;
    bool measuring = !commitOnly;
    QObject::connect(window.uo1, &tirnel::Control::PropertyAnnounced, [&](const QString& name) {
        if (name == QStringLiteral("Text") && !measuring) {
            measuring = true;
            last = clock.nsecsElapsed();
        }
    });
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        if (measuring && last > 0) longest = std::max(longest, now - last);
        last = now;
    });
    clock.start();
    timer.start(1);
    QTimer::singleShot(5, &window, [&] { QTest::mouseClick(window.Command2, Qt::LeftButton); });
    while (shell.notices.empty()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    if (!shell.notices.front().startsWith(QStringLiteral("文件分割完毕"))) {
        std::fprintf(stderr, "the split did not complete: %s\n", shell.notices.front().toStdString().c_str());
    }
    WindowRun run{static_cast<double>(clock.nsecsElapsed()) / 1e9, static_cast<double>(longest) / 1e6};
    timer.stop();
    return run;
}

double CliSeconds(const std::string& cli, const fs::path& source, const fs::path& folder, const std::string& size) {
    const auto start = std::chrono::steady_clock::now();
    const std::string command = "'" + cli + "' split '" + source.string() + "' '" + folder.string() + "' " + size + " >/dev/null";
    if (std::system(command.c_str()) != 0) std::fprintf(stderr, "tirnel-cli failed: %s\n", command.c_str());
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// A new empty folder for the next run. Nothing is removed until the end: ext4 makes new files
// slow to create for a minute after many were removed (its inode allocator steps over
// recently freed inodes), which would bill whichever run came next.
fs::path Fresh(const fs::path& folder) {
    static int runs = 0;
    const fs::path fresh = folder / ("out" + std::to_string(++runs));
    fs::create_directories(fresh);
    std::system("sync");
    return fresh;
}

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    QApplication app(argc, argv);
    const long long splitMiB = argc > 1 ? std::atoll(argv[1]) : 300;
    const fs::path folder =
        fs::path(argc > 2 ? argv[2] : "/var/tmp") / ("tirnel-resp-" + std::to_string(std::random_device{}()));
    const std::string cli = (fs::path(QCoreApplication::applicationDirPath().toStdString()).parent_path() / "bin" /
                             "tirnel-cli").string();
    fs::create_directories(folder);
    std::printf("in %s\n", folder.c_str());
    const fs::path source = folder / "src.bin";
    MakeFile(source, splitMiB, 1);

    // 1. The window against the command line, interleaved, medians of three.
    for (const char* kb : {"10", "4"}) {
        std::vector<double> window, command;
        for (int round = 0; round < 3; ++round) {
            command.push_back(CliSeconds(cli, source, Fresh(folder), kb));
            window.push_back(SplitInWindow(source, Fresh(folder), QString::fromLatin1(kb), false, false).seconds);
        }
        std::sort(window.begin(), window.end());
        std::sort(command.begin(), command.end());
        const double ratio = window[1] / command[1];
        std::printf("%lld MiB into %s KB pieces: window %.2f s, tirnel-cli %.2f s: %.2f× (target <= 1.20): %s\n",
                    splitMiB, kb, window[1], command[1], ratio, ratio <= 1.2 ? "met" : "NOT MET");
    }

    // 2. The commit of 30,000 pieces over an older set of as many.
    const fs::path set = Fresh(folder);
    const fs::path small = folder / "set.bin";
    MakeFile(small, 30000 / 1024 + 1, 2);
    fs::resize_file(small, 30000 * 1024);
    CliSeconds(cli, small, set, "1");
    MakeFile(small, 30000 / 1024 + 1, 3);
    fs::resize_file(small, 30000 * 1024);
    std::system("sync");
    const WindowRun commit = SplitInWindow(small, set, QStringLiteral("1"), false, true);
    std::printf("replacing a 30,000-piece set: longest wait of the event loop while it is put in place: %.1f ms "
                "(target <= 50 ms): %s\n",
                commit.longestMs, commit.longestMs <= 50 ? "met" : "NOT MET");

    // 3. A large file into 1 GB pieces.
    const fs::path large = folder / "large.bin";
    constexpr long long kLargeMiB = 2048;
    MakeFile(large, kLargeMiB, 4);
    std::system("sync");
    const WindowRun big = SplitInWindow(large, Fresh(folder), QStringLiteral("1024"), true, false);
    std::printf("%lld MiB into 1 GB pieces: %.2f s, longest wait of the event loop %.1f ms (target <= 50 ms): %s\n",
                kLargeMiB, big.seconds, big.longestMs, big.longestMs <= 50 ? "met" : "NOT MET");
    fs::remove_all(folder);
    return 0;
}
