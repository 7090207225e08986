// Times one insertion into pages of growing size: read, trim at the marker,
// compose the new page and replace the file safely, as the window does; then
// the same page through the page route the command line takes, which writes
// the new page straight from the bytes as read. Prints one line per page.

#include "pages/filestore.h"
#include "pages/pagefile.h"
#include "pages/pagetext.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <unistd.h>

namespace {

// A page of LF-ended lines that already carries a block, as after an earlier insertion.
QByteArray samplePage(qsizetype size)
{
    const QByteArray line = "<p class=\"text\">Some paragraph of the page, caf\xE9 and more.</p>\n";
    QByteArray page;
    page.reserve(size + line.size());
    while (page.size() < size)
        page.append(line);
    page.truncate(size - 200);
    page.append(insertionMarker + "\r\n<body>old</body><head>old</head>\r\n");
    return page;
}

// The same page as UTF-16LE with its byte-order mark.
QByteArray asUtf16(const QByteArray &latin1)
{
    QByteArray page("\xFF\xFE");
    page.reserve(2 + 2 * latin1.size());
    for (char c : latin1) {
        page.append(c);
        page.append('\0');
    }
    return page;
}

double seconds(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e9;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "no temporary folder\n");
        return 1;
    }
    const QString path = dir.filePath(QStringLiteral("page.html"));
    const QString body = QStringLiteral("<script>document.write(\"ad\")</script>");
    const QString head = QStringLiteral("<style>#ad{}</style>");

    struct Run
    {
        int megabytes;
        bool utf16;
    };
    for (const Run run : {Run {1, false}, Run {10, false}, Run {100, false}, Run {100, true}}) {
        const int megabytes = run.megabytes;
        const qsizetype size = qsizetype(megabytes) * 1024 * 1024;
        const QByteArray sample = run.utf16 ? asUtf16(samplePage(size / 2)) : samplePage(size);
        // Each route starts from the sample on disk with nothing waiting to be written.
        const auto writeSample = [&] {
            QFile file(path);
            const bool written
                = file.open(QIODevice::WriteOnly) && file.write(sample) == sample.size();
            file.close();
            ::sync();
            return written;
        };
        if (!writeSample()) {
            std::fprintf(stderr, "cannot write the sample page\n");
            return 1;
        }

        QElapsedTimer total;
        total.start();
        QElapsedTimer step;
        step.start();
        const ReadResult read = readWholeFile(path);
        const double readTime = seconds(step);
        step.restart();
        const PreparedPage page = preparePage(read.contents);
        const double prepareTime = seconds(step);
        step.restart();
        const QByteArray written = pageWithBlock(page, body, head);
        const double composeTime = seconds(step);
        step.restart();
        const QString error = replaceFileContents(path, written);
        const double writeTime = seconds(step);
        const double all = seconds(total);

        if (!read.ok() || !page.ok() || !error.isEmpty()) {
            std::fprintf(stderr, "insertion failed: %s%s%s\n", qPrintable(read.error),
                         qPrintable(page.layout.error), qPrintable(error));
            return 1;
        }
        if (!writeSample()) {
            std::fprintf(stderr, "cannot write the sample page\n");
            return 1;
        }
        step.restart();
        const PageResult added = addCodeToPage(path, body, head);
        const double pageRouteTime = seconds(step);
        if (added.outcome != PageOutcome::Updated) {
            std::fprintf(stderr, "page route failed: %s\n", qPrintable(added.message));
            return 1;
        }
        std::printf(
            "insert %d MB %spage: %.3f s, %.0f MB/s (read %.3f, prepare %.3f, compose %.3f, "
            "safe write %.3f); page route %.3f s, %.0f MB/s\n",
            megabytes, run.utf16 ? "UTF-16 " : "", all, megabytes / all, readTime, prepareTime,
            composeTime, writeTime, pageRouteTime, megabytes / pageRouteTime);
        std::fflush(stdout);
    }
    return 0;
}
