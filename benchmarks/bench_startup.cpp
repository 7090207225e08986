// Starts the program and a bare Qt window of the same size as whole processes,
// alternately, and prints the median wall time from start until the window
// has been shown (each quits at once then) and the median peak memory of
// each, with their ratios. A third row, for reference, is the bare window with
// one label: the least any window that shows text pays, as it loads the
// fonts (the font configuration is read once per process). Runs offscreen
// unless QT_QPA_PLATFORM names another platform:
//   build/benchmarks/bench_startup [runs]
//   QT_QPA_PLATFORM=xcb xvfb-run -a build/benchmarks/bench_startup [runs]
// Plain C++ without Qt: a child's peak memory counts its parent's resident
// size up to the exec, so the parent stays small.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char **environ;

namespace {

struct Run
{
    double ms = 0;
    double cpuMs = 0;
    double peakMiB = 0;
};

double nowMs()
{
    timespec ts {};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
}

// Runs the command to its end; returns its wall time and peak resident size.
bool runOnce(const std::vector<std::string> &command, Run *run)
{
    std::vector<char *> args;
    for (const std::string &arg : command)
        args.push_back(const_cast<char *>(arg.c_str()));
    args.push_back(nullptr);
    // The programs' own warnings would drown the figures.
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    const double start = nowMs();
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
    run->cpuMs = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000.0
        + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000.0;
    run->peakMiB = usage.ru_maxrss / 1024.0; // KiB on Linux
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("ZEPHRIN_EXIT_AFTER_SHOW", "1", 1);

    // One unmeasured run of the program tells the main window's size (and
    // fills the file cache).
    int width = 0;
    int height = 0;
    if (FILE *out = popen("'" ZEPHRIN_PROGRAM "' 2>/dev/null", "r")) {
        if (std::fscanf(out, "shown %dx%d", &width, &height) != 2)
            width = height = 0;
        pclose(out);
    }
    if (width <= 0 || height <= 0) {
        std::fprintf(stderr, "could not run %s\n", ZEPHRIN_PROGRAM);
        return 1;
    }
    const std::vector<std::string> program {ZEPHRIN_PROGRAM};
    const std::vector<std::string> bare {ZEPHRIN_BARE_WINDOW, std::to_string(width),
                                         std::to_string(height)};
    std::vector<std::string> labelled = bare;
    labelled.push_back("text");
    Run run;
    if (!runOnce(bare, &run) || !runOnce(labelled, &run)) {
        std::fprintf(stderr, "could not run %s\n", ZEPHRIN_BARE_WINDOW);
        return 1;
    }

    struct Series
    {
        const std::vector<std::string> *command;
        std::vector<double> ms, cpuMs, peakMiB;
        double medianMs = 0, medianCpuMs = 0, medianMiB = 0;
    };
    Series series[] = {{&program, {}, {}, {}}, {&bare, {}, {}, {}}, {&labelled, {}, {}, {}}};
    for (int i = 0; i < runs; ++i) {
        for (Series &s : series) {
            if (!runOnce(*s.command, &run))
                return 1;
            s.ms.push_back(run.ms);
            s.cpuMs.push_back(run.cpuMs);
            s.peakMiB.push_back(run.peakMiB);
        }
    }
    for (Series &s : series) {
        s.medianMs = median(s.ms);
        s.medianCpuMs = median(s.cpuMs);
        s.medianMiB = median(s.peakMiB);
    }
    const Series &p = series[0];
    const Series &b = series[1];
    const Series &t = series[2];
    std::printf("%d runs each, alternately, on %s, window %dx%d; medians:\n", runs,
                std::getenv("QT_QPA_PLATFORM"), width, height);
    // CPU time is less disturbed than wall time by other work on the machine.
    std::printf("                      start to shown   CPU time      peak memory\n");
    std::printf("zephrin               %8.1f ms     %7.1f ms    %7.1f MiB\n", p.medianMs,
                p.medianCpuMs, p.medianMiB);
    std::printf("bare Qt window        %8.1f ms     %7.1f ms    %7.1f MiB\n", b.medianMs,
                b.medianCpuMs, b.medianMiB);
    std::printf("ratio                 %8.2f        %7.2f       %7.2f      (goal: at most 1.3)\n",
                p.medianMs / b.medianMs, p.medianCpuMs / b.medianCpuMs, p.medianMiB / b.medianMiB);
    std::printf("bare window + label   %8.1f ms     %7.1f ms    %7.1f MiB\n", t.medianMs,
                t.medianCpuMs, t.medianMiB);
    std::printf("ratio to it           %8.2f        %7.2f       %7.2f      (goal: at most 1.15)\n",
                p.medianMs / t.medianMs, p.medianCpuMs / t.medianCpuMs, p.medianMiB / t.medianMiB);
    return 0;
}
