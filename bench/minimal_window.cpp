// The yardstick for the program's start-up, memory and idle figures: the least a Qt Widgets
// program can be, one empty window of the main window's size.
//   tamrik_minimal_window [--timer-ms MS]   (with a repeating timer of that interval)

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstring>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.resize(686, 384);
    QTimer timer;
    if (argc == 3 && std::strcmp(argv[1], "--timer-ms") == 0) {
        timer.setInterval(std::atoi(argv[2]));
        timer.start();
    }
    window.show();
    return QApplication::exec();
}
