// zephrin_boxscripts: writes the box scripts (popup1.js ... popup5.js) as they
// are installed, each with the shared helpers in place of its marker line, at
// build time.
//
//   zephrin_boxscripts HELPERS OUT_DIR SCRIPT...
//
// A script without the marker, or a helpers file that cannot be read, fails
// the build, so no reader's page ever gets a script without its helpers.
// Each script is replaced only once it is written whole.

#include "generator/boxhelpers.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: zephrin_boxscripts HELPERS OUT_DIR SCRIPT...\n");
        return 2;
    }
    const QString helpers = QString::fromLocal8Bit(argv[1]);
    const QDir out(QString::fromLocal8Bit(argv[2]));
    for (int i = 3; i < argc; ++i) {
        const QString script = QString::fromLocal8Bit(argv[i]);
        const ReadResult complete = scriptWithBoxHelpers(script, helpers);
        QString error = complete.error;
        if (error.isEmpty())
            error = replaceFileContents(out.filePath(QFileInfo(script).fileName()),
                                        complete.contents);
        if (!error.isEmpty()) {
            std::fprintf(stderr, "zephrin_boxscripts: %s\n", qPrintable(error));
            return 1;
        }
    }
    return 0;
}
