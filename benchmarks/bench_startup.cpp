// Starts the program and a bare Qt window of the same size as whole processes,
// alternately, and prints the median wall time from start until the window
// has been shown (each quits at once then) and the median peak memory of
// each, with their ratios. Runs offscreen:
//   build/benchmarks/bench_startup [runs]
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
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
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
    Run run;
    if (!runOnce(bare, &run)) {
        std::fprintf(stderr, "could not run %s\n", ZEPHRIN_BARE_WINDOW);
        return 1;
    }

    std::vector<double> programMs, programCpu, programMiB, bareMs, bareCpu, bareMiB;
    for (int i = 0; i < runs; ++i) {
        if (!runOnce(program, &run))
            return 1;
        programMs.push_back(run.ms);
        programCpu.push_back(run.cpuMs);
        programMiB.push_back(run.peakMiB);
        if (!runOnce(bare, &run))
            return 1;
        bareMs.push_back(run.ms);
        bareCpu.push_back(run.cpuMs);
        bareMiB.push_back(run.peakMiB);
    }

    const double pMs = median(programMs), bMs = median(bareMs);
    const double pCpu = median(programCpu), bCpu = median(bareCpu);
    const double pMiB = median(programMiB), bMiB = median(bareMiB);
    std::printf("%d runs each, alternately, offscreen, window %dx%d; medians:\n", runs, width,
                height);
    // CPU time is less disturbed than wall time by other work on the machine.
    std::printf("                 start to shown   CPU time      peak memory\n");
    std::printf("zephrin          %8.1f ms     %7.1f ms    %7.1f MiB\n", pMs, pCpu, pMiB);
    std::printf("bare Qt window   %8.1f ms     %7.1f ms    %7.1f MiB\n", bMs, bCpu, bMiB);
    std::printf("ratio            %8.2f        %7.2f       %7.2f      (goal: at most 1.3)\n",
                pMs / bMs, pCpu / bCpu, pMiB / bMiB);
    return 0;
}
