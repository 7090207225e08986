// A bare Qt Widgets window: the yardstick bench_startup compares the program
// with. Usage: bench_bare_window WIDTH HEIGHT [text]. With "text" the window
// holds one label, so it loads the fonts as any window that shows text must.
// Ends once the window has been shown, as the program does for the benchmark.
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>

#include <cstdlib>
#include <cstring>

int main(int argc, char *argv[])
{
    const int width = argc > 2 ? std::atoi(argv[1]) : 640;
    const int height = argc > 2 ? std::atoi(argv[2]) : 480;
    const bool withText = argc > 3 && std::strcmp(argv[3], "text") == 0;
    QApplication app(argc, argv);
    QWidget window;
    window.resize(width, height);
    if (withText)
        new QLabel(QStringLiteral("Zephrin"), &window);
    window.show();
    QTimer::singleShot(0, &app, [] { std::_Exit(0); });
    return app.exec();
}
