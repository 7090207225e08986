// Times zephrin-cli add, the real executable: over 1,000 pages of 20 KB, and
// on one 100 MB page side by side with cp plus sync of the same file.
// Usage: bench_cli_add [FOLDER]  (a folder on the disk to measure; default: a
// temporary folder). Prints its figures; the goal is a 100 MB ratio of at most 1.5.

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// A page of LF-ended lines, as most editors on this system save them.
QByteArray samplePage(qsizetype size)
{
    const QByteArray line
        = "<p class=\"text\">Some paragraph of the page, caf\xC3\xA9 and more.</p>\n";
    QByteArray page = "<html><head><title>Page</title></head><body>\n";
    page.reserve(size + line.size());
    while (page.size() + line.size() <= size - 15)
        page.append(line);
    page.append("</body></html>\n");
    return page;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Runs a program, returning its wall time in seconds, or -1 when it failed.
double timed(const QString &program, const QStringList &arguments, int okExit = 0)
{
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    if (!process.waitForFinished(600000) || process.exitCode() != okExit) {
        std::fprintf(stderr, "%s failed: %s\n", qPrintable(program),
                     process.readAllStandardError().constData());
        return -1;
    }
    return double(timer.nsecsElapsed()) / 1e9;
}

void syncAll()
{
    QProcess::execute(QStringLiteral("sync"), {});
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString cli = QStringLiteral(ZEPHRIN_CLI);
    QTemporaryDir temporary(argc > 1
                                ? QString::fromLocal8Bit(argv[1]) + QStringLiteral("/bench-XXXXXX")
                                : QDir::tempPath() + QStringLiteral("/bench-XXXXXX"));
    if (!temporary.isValid()) {
        std::fprintf(stderr, "no temporary folder\n");
        return 1;
    }
    const QDir dir(temporary.path());

    // 1,000 pages of 20 KB.
    dir.mkpath(QStringLiteral("site"));
    const QByteArray small = samplePage(20 * 1024);
    for (int i = 0; i < 1000; ++i) {
        if (!writeFile(dir.filePath(QStringLiteral("site/page%1.html").arg(i)), small))
            return 1;
    }
    syncAll();
    const QStringList siteArguments = {QStringLiteral("add"), QStringLiteral("--recursive"),
                                       dir.filePath(QStringLiteral("site"))};
    const double first = timed(cli, siteArguments);
    syncAll();
    const double again = timed(cli, siteArguments);
    if (first < 0 || again < 0)
        return 1;
    std::printf("add, 1000 pages of 20 KB: %.3f s, %.0f pages/s; again (all unchanged): %.3f s, "
                "%.0f pages/s\n",
                first, 1000 / first, again, 1000 / again);
    std::fflush(stdout);

    // One 100 MB page, each round from the same file with nothing waiting to be written.
    const QString page = dir.filePath(QStringLiteral("big.html"));
    const QString copy = dir.filePath(QStringLiteral("copy.html"));
    const QByteArray big = samplePage(100 * 1024 * 1024);
    std::vector<double> cliTimes, copyTimes;
    for (int round = 0; round < 5; ++round) {
        QFile::remove(copy);
        if (!writeFile(page, big))
            return 1;
        syncAll();
        const double copyTime
            = timed(QStringLiteral("sh"),
                    {QStringLiteral("-c"), QStringLiteral("cp \"$0\" \"$1\" && sync"), page, copy});
        syncAll();
        const double cliTime = timed(cli, {QStringLiteral("add"), page});
        if (copyTime < 0 || cliTime < 0)
            return 1;
        copyTimes.push_back(copyTime);
        cliTimes.push_back(cliTime);
    }
    syncAll();
    const double unchanged = timed(cli, {QStringLiteral("add"), page});
    const double cliMedian = median(cliTimes), copyMedian = median(copyTimes);
    std::printf("add, one 100 MB page: %.3f s; cp + sync: %.3f s; ratio %.2f (goal <= 1.5); "
                "(medians of 5) again (unchanged): %.3f s\n",
                cliMedian, copyMedian, cliMedian / copyMedian, unchanged);
    return 0;
}
