// Prints how long the main window takes to appear and what it costs, so the
// start-up path can be watched as the program grows. Run it offscreen or
// under a display: QT_QPA_PLATFORM=offscreen build/benchmarks/bench_startup
#include "app/mainwindow.h"
#include "host/qthostservices.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include <cstdio>
#include <unistd.h>

namespace {

// Milliseconds since the process started, dynamic linking included.
double msSinceProcessStart()
{
    QFile stat(QStringLiteral("/proc/self/stat"));
    QFile uptime(QStringLiteral("/proc/uptime"));
    if (!stat.open(QIODevice::ReadOnly) || !uptime.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray statLine = stat.readAll();
    // Fields after the command name, which is in parentheses.
    const QList<QByteArray> fields = statLine.mid(statLine.lastIndexOf(')') + 2).split(' ');
    const double startTicks = fields.value(19).toDouble();
    const double upSeconds = uptime.readAll().split(' ').value(0).toDouble();
    return (upSeconds - startTicks / sysconf(_SC_CLK_TCK)) * 1000.0;
}

long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

int childProcesses()
{
    int children = 0;
    const QString self = QString::number(getpid());
    for (const QString &pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray line = stat.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (fields.value(1) == self.toLatin1())
            ++children;
    }
    return children;
}

} // namespace

int main(int argc, char *argv[])
{
    const double beforeMain = msSinceProcessStart();
    QElapsedTimer timer;
    timer.start();
    QApplication app(argc, argv);
    const qint64 appReady = timer.elapsed();
    QtHostServices host;
    MainWindow window(host);
    const qint64 built = timer.elapsed();
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    const qint64 shown = timer.elapsed();

    std::printf("process start to main():     %6.0f ms (10 ms resolution)\n", beforeMain);
    std::printf("QApplication ready:          %6lld ms\n", static_cast<long long>(appReady));
    std::printf("main window built:           %6lld ms\n",
                static_cast<long long>(built - appReady));
    std::printf("main window shown:           %6lld ms\n", static_cast<long long>(shown - built));
    std::printf("main() to window on screen:  %6lld ms\n", static_cast<long long>(shown));
    std::printf("resident memory:             %6ld KiB\n", residentKiB());
    std::printf("browser processes started:   %6d\n", childProcesses());
    return 0;
}
