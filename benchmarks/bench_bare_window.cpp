// A bare Qt Widgets window: the yardstick bench_startup compares the program
// with. Usage: bench_bare_window WIDTH HEIGHT. Ends once the window has been
// shown, as the program does for the benchmark.
#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstdlib>

int main(int argc, char *argv[])
{
    const int width = argc > 2 ? std::atoi(argv[1]) : 640;
    const int height = argc > 2 ? std::atoi(argv[2]) : 480;
    QApplication app(argc, argv);
    QWidget window;
    window.resize(width, height);
    window.show();
    QTimer::singleShot(0, &app, [] { std::_Exit(0); });
    return app.exec();
}
