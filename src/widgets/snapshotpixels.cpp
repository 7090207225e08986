#include "widgets/snapshotpixels.h"

#include "pages/filestore.h"

#include <QDataStream>
#include <QFileInfo>
#include <QHash>
#include <QIODevice>
#include <QResource>

#include <cstring>

namespace {

// The layout: the file's bytes, the size, the colour table, then one byte per
// pixel, row by row.
constexpr QDataStream::Version streamVersion = QDataStream::Qt_6_0;

} // namespace

QByteArray snapshotPixels(const QImage &image, const QByteArray &fileBytes)
{
    if (image.isNull())
        return {};
    const QImage rgb = image.convertToFormat(QImage::Format_ARGB32);
    QList<QRgb> colours;
    QHash<QRgb, int> indexOf;
    QByteArray indices;
    indices.reserve(qsizetype(rgb.width()) * rgb.height());
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            auto found = indexOf.constFind(line[x]);
            if (found == indexOf.constEnd()) {
                if (colours.size() == 256)
                    return {};
                found = indexOf.insert(line[x], int(colours.size()));
                colours << line[x];
            }
            indices += char(*found);
        }
    }
    QByteArray pixels;
    QDataStream out(&pixels, QIODevice::WriteOnly);
    out.setVersion(streamVersion);
    out << fileBytes << rgb.size() << colours << indices;
    return pixels;
}

QImage imageFromSnapshotPixels(const QByteArray &pixels, const QByteArray &fileBytes)
{
    QDataStream in(pixels);
    in.setVersion(streamVersion);
    QByteArray madeFrom;
    QSize size;
    QList<QRgb> colours;
    QByteArray indices;
    in >> madeFrom >> size >> colours >> indices;
    if (in.status() != QDataStream::Ok || madeFrom != fileBytes || size.isEmpty()
        || colours.size() > 256 || indices.size() != qsizetype(size.width()) * size.height())
        return {};
    // Every byte is an index into the table once it has 256 entries; the
    // added ones are opaque, so an opaque picture stays one.
    colours.resize(256, qRgb(0, 0, 0));
    QImage image(size, QImage::Format_Indexed8);
    image.setColorTable(colours);
    for (int y = 0; y < size.height(); ++y)
        std::memcpy(image.scanLine(y), indices.constData() + qsizetype(y) * size.width(),
                    size.width());
    return image;
}

QPixmap snapshotPicture(const QString &path)
{
    const ReadResult file = readWholeFile(path);
    if (!file.ok())
        return {};
    const QByteArray &bytes = file.contents;
    // Stored uncompressed, the pixels are read where the program is mapped.
    const QResource pixels(QStringLiteral(":/snapshots/%1.pixels").arg(QFileInfo(path).fileName()));
    if (pixels.isValid()) {
        const QImage image = imageFromSnapshotPixels(pixels.uncompressedData(), bytes);
        if (!image.isNull())
            return QPixmap::fromImage(image);
    }
    return QPixmap(path);
}
