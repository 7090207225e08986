// Starts the program and a bare Qt window of the same size as whole processes,
// alternately, and prints the median wall time from start until the window
// has been shown (each quits at once then) and the median peak memory of
// each, with their ratios. Runs offscreen:
//   build/benchmarks/bench_startup [runs]
#include "app/form1.h"
#include "host/qthostservices.h"

#include <QApplication>
#include <QByteArray>
#include <QList>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char **environ;

namespace {

struct Run
{
    double ms = 0;
    double peakMiB = 0;
};

double nowMs()
{
    timespec ts {};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
}

// Runs the command to its end; returns its wall time and peak resident size.
bool runOnce(const QList<QByteArray> &command, Run *run)
{
    std::vector<char *> args;
    for (const QByteArray &arg : command)
        args.push_back(const_cast<char *>(arg.constData()));
    args.push_back(nullptr);
    const double start = nowMs();
    // The programs' own warnings would drown the figures.
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, args[0], &quiet, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&quiet);
    if (spawned != 0)
        return false;
    int status = 0;
    rusage usage {};
    if (wait4(pid, &status, 0, &usage) != pid)
        return false;
    run->ms = nowMs() - start;
    run->peakMiB = usage.ru_maxrss / 1024.0; // KiB on Linux
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("ZEPHRIN_EXIT_AFTER_SHOW", "1");

    // The main window's size, for the bare window.
    QSize size;
    {
        QApplication app(argc, argv);
        QtHostServices host;
        size = Form1(host).size();
    }
    const QList<QByteArray> program {ZEPHRIN_PROGRAM};
    const QList<QByteArray> bare {ZEPHRIN_BARE_WINDOW, QByteArray::number(size.width()),
                                  QByteArray::number(size.height())};

    // One unmeasured run each fills the file cache.
    Run run;
    if (!runOnce(program, &run) || !runOnce(bare, &run)) {
        std::fprintf(stderr, "could not run %s or %s\n", ZEPHRIN_PROGRAM, ZEPHRIN_BARE_WINDOW);
        return 1;
    }
    QList<double> programMs, programMiB, bareMs, bareMiB;
    for (int i = 0; i < runs; ++i) {
        if (!runOnce(program, &run))
            return 1;
        programMs << run.ms;
        programMiB << run.peakMiB;
        if (!runOnce(bare, &run))
            return 1;
        bareMs << run.ms;
        bareMiB << run.peakMiB;
    }

    const double pMs = median(programMs), bMs = median(bareMs);
    const double pMiB = median(programMiB), bMiB = median(bareMiB);
    std::printf("%d runs each, alternately, offscreen, window %dx%d; medians:\n", runs,
                size.width(), size.height());
    std::printf("                 start to shown   peak memory\n");
    std::printf("zephrin          %8.1f ms     %7.1f MiB\n", pMs, pMiB);
    std::printf("bare Qt window   %8.1f ms     %7.1f MiB\n", bMs, bMiB);
    std::printf("ratio            %8.2f        %7.2f      (goal: at most 1.3)\n", pMs / bMs,
                pMiB / bMiB);
    return 0;
}
