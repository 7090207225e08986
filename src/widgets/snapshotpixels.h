#pragma once

#include <QByteArray>
#include <QImage>
#include <QPixmap>
#include <QString>

// The catalogue's snapshot pictures, shown without decoding the shipped ones
// at every start: the build decodes each into its pixels (at most 256
// colours, one byte each), which the program carries compiled in under
// :/snapshots/<file name>.pixels together with the bytes of the file they
// came from. Decoding a GIF at start would load Qt's GIF reader plugin and
// run its decoder over every pixel.

// The pixels of image, keyed by fileBytes, the file it was decoded from.
// Empty when the image has more than 256 colours.
QByteArray snapshotPixels(const QImage &image, const QByteArray &fileBytes);

// The image that pixels hold if they were made from exactly fileBytes; a
// null image for another file or for pixels that do not read.
QImage imageFromSnapshotPixels(const QByteArray &pixels, const QByteArray &fileBytes);

// The picture of the snapshot file at path: from the compiled-in pixels when
// the file is the one they were made from, decoded from the file otherwise.
// Null when the file is missing or is no picture.
QPixmap snapshotPicture(const QString &path);
