// zephrin_snapshotpixels: decodes the snapshot pictures at build time into the
// pixels the program carries compiled in (widgets/snapshotpixels.h).
//
//   zephrin_snapshotpixels OUT_DIR IMAGE...    writes OUT_DIR/<image file name>.pixels
//
// A picture that does not decode, or has more than 256 colours, fails the build.

#include "widgets/snapshotpixels.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
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
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "zephrin_snapshotpixels: cannot read %s\n", argv[i]);
            return 1;
        }
        const QByteArray bytes = file.readAll();
        const QByteArray pixels = snapshotPixels(QImage::fromData(bytes), bytes);
        if (pixels.isEmpty()) {
            std::fprintf(stderr,
                         "zephrin_snapshotpixels: %s is no picture of 256 colours or fewer\n",
                         argv[i]);
            return 1;
        }
        QFile written(out.filePath(QFileInfo(path).fileName() + QStringLiteral(".pixels")));
        if (!written.open(QIODevice::WriteOnly) || written.write(pixels) != pixels.size()
            || !written.flush()) {
            std::fprintf(stderr, "zephrin_snapshotpixels: cannot write %s\n",
                         qPrintable(written.fileName()));
            return 1;
        }
    }
    return 0;
}
