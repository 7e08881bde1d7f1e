// How long the window's event loop waits during a long split: a 1 ms timer runs while
// "分割" cuts a large file into 1 GB pieces in the real window (offscreen), and the longest
// gap between two ticks is printed.
//
//   build/bench/window_responsiveness [SIZE_MIB] [FOLDER]      (default 2048 MiB in /var/tmp)

#include "app/MainF.h"
#include "app/shell/ShellServices.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QtTest/QTest>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <vector>

namespace {

class QuietShell : public tirnel::ShellServices {
public:
    int ShowNotice(const QString& text, int) override {
        notices.push_back(text);
        return tirnel::kNoticeResultOk;
    }
    void ShowFileDialog(QString& name, const QString&, const QString&, long& flags) override {
        name.clear();
        flags = 0;
    }
    QString BrowseForFolder(const QString&, QWidget*) override { return {}; }
    std::vector<QString> notices;
};

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const long long sizeMiB = argc > 1 ? std::atoll(argv[1]) : 2048;
    namespace fs = std::filesystem;
    const fs::path folder = fs::path(argc > 2 ? argv[2] : "/var/tmp") / ("tirnel-resp-" + std::to_string(std::random_device{}()));
    fs::create_directories(folder / "out");
    {
        std::ofstream out(folder / "src.bin", std::ios::binary);
        std::vector<char> block(1 << 20);
        std::mt19937 gen(1);
        for (char& c : block) c = static_cast<char>(gen());
        for (long long i = 0; i < sizeMiB; ++i) out.write(block.data(), static_cast<std::streamsize>(block.size()));
    }

    std::system("sync");  // the file's own writeback is not the split's
    QuietShell shell;
    tirnel::MainF window(shell);
    window.show();
    QTest::qWait(50);
    window.txtPsd->setText(QString::fromStdString((folder / "src.bin").string()));
    window.Text1->setText(QString::fromStdString((folder / "out").string()));
    window.Text2->setText("1024");
    QTest::mouseClick(window.Option3, Qt::LeftButton, {}, QPoint(5, 5));

    QElapsedTimer clock;
    qint64 last = 0, longest = 0, ticks = 0;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        if (ticks++ > 0) longest = std::max(longest, now - last);
        last = now;
    });
    clock.start();
    timer.start(1);
    QTimer::singleShot(5, &window, [&] { QTest::mouseClick(window.Command2, Qt::LeftButton); });
    while (shell.notices.empty()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    timer.stop();

    std::printf("split of %lld MiB into 1 GB pieces in the window: %.2f s, %lld timer ticks\n", sizeMiB, seconds, ticks);
    std::printf("notice: %s\n", shell.notices.front().toStdString().c_str());
    std::printf("longest wait of the event loop: %.1f ms (target <= 50 ms): %s\n", static_cast<double>(longest) / 1e6,
                longest <= 50'000'000 ? "met" : "NOT MET");
    fs::remove_all(folder);
    return 0;
}
