// zephrin_snapshotpixels: decodes the snapshot pictures at build time into the
// pixels the program carries compiled in (widgets/snapshotpixels.h).
//
//   zephrin_snapshotpixels OUT_DIR IMAGE...    writes OUT_DIR/<image file name>.pixels
//
// A picture that does not decode, or has more than 256 colours, fails the build.
// Each pixels file is replaced only once it is written whole.

#include "pages/filestore.h"
#include "widgets/snapshotpixels.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>

#include <cstdio>

int main(int argc, char *argv[])
{
    // Qt's image readers are plugins, found through the application.
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: zephrin_snapshotpixels OUT_DIR IMAGE...\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    for (int i = 2; i < argc; ++i) {
        const QString path = QString::fromLocal8Bit(argv[i]);
        const ReadResult file = readWholeFile(path);
        QString error = file.error;
        if (error.isEmpty()) {
            const QByteArray pixels
                = snapshotPixels(QImage::fromData(file.contents), file.contents);
            error = pixels.isEmpty()
                ? path + QStringLiteral(" is no picture of 256 colours or fewer")
                : replaceFileContents(
                    out.filePath(QFileInfo(path).fileName() + QStringLiteral(".pixels")), pixels);
        }
        if (!error.isEmpty()) {
            std::fprintf(stderr, "zephrin_snapshotpixels: %s\n", qPrintable(error));
            return 1;
        }
    }
    return 0;
}
