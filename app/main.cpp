// Start-up: creates the main window and shows it; the program lives as long as it does.

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QString::fromUtf8("Tirnel文件分割器V1.08"));
    window.setFixedSize(4680 / 15, 2985 / 15);
    window.show();
    return app.exec();
}
