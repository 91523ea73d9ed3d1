#include "catalogue/bitmapcheck.h"

#include "catalogue/bitmapheader.h"

#include <QCoreApplication>
#include <QLocale>
#include <QtEndian>
#include <cmath>

namespace catalogue {

namespace {

bool knownHeaderSize(quint32 size)
{
    return size == 12 || size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

bool knownDepth(int bits)
{
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

bool depthFitsCompression(int bits, quint32 compression)
{
    switch (compression) {
    case Rgb:
        return true;
    case Rle8:
        return bits == 8;
    case Rle4:
        return bits == 4;
    case BitFields:
        return bits == 16 || bits == 32;
    default:
        return false;
    }
}

// Whether a run-length stream, from `at` on, reaches its end-of-bitmap escape or its last row
// before the data runs out. Pixels of 4 bits come two to a byte; absolute runs are padded to whole
// words.
bool rleStreamComplete(const QByteArray &data, qint64 at, qint64 height, int bits)
{
    const qint64 size = data.size();
    qint64 row = 0;
    while (row < height) {
        if (at + 2 > size)
            return false;
        const int count = static_cast<quint8>(data[at]);
        const int code = static_cast<quint8>(data[at + 1]);
        at += 2;
        if (count > 0)
            continue; // a run of one colour (RLE8) or of two alternating colours (RLE4)
        switch (code) {
        case 0: // end of line
            ++row;
            break;
        case 1: // end of bitmap
            return true;
        case 2: // skip right and down
            if (at + 2 > size)
                return false;
            row += static_cast<quint8>(data[at + 1]);
            at += 2;
            break;
        default: { // `code` pixels stored as they are
            const qint64 bytes = bits == 8 ? code : (code + 1) / 2;
            at += (bytes + 1) / 2 * 2;
            if (at > size)
                return false;
        }
        }
    }
    return true;
}

// `why`, one of the texts marked for translation below, as a cause of its own.
QString notAPicture(const char *why)
{
    //: %1 says what is wrong with the file ("it is not a Windows bitmap").
    return QCoreApplication::translate("PictureLoad", "it is not a picture: %1")
        .arg(QCoreApplication::translate("PictureLoad", why));
}

// `bytes` in MiB, rounded up to hundredths so that a picture just over the limit does not read as
// taking exactly the limit; written as the locale writes numbers ("1.01", "1,01").
QString mebibytes(qint64 bytes)
{
    return QLocale().toString(std::ceil(static_cast<double>(bytes) * 100 / (1 << 20)) / 100, 'g',
                              6);
}

} // namespace

QString checkBitmap(const QByteArray &data)
{
    const qint64 size = data.size();
    if (size < bitmapFileHeaderSize + 4 || data[0] != 'B' || data[1] != 'M')
        return notAPicture(QT_TRANSLATE_NOOP("PictureLoad", "it is not a Windows bitmap"));
    const quint32 headerSize = qFromLittleEndian<quint32>(data.constData() + bitmapFileHeaderSize);
    if (!knownHeaderSize(headerSize))
        return notAPicture(
            QT_TRANSLATE_NOOP("PictureLoad", "its bitmap header is of an unknown kind"));
    if (size < bitmapFileHeaderSize + headerSize)
        return notAPicture(QT_TRANSLATE_NOOP("PictureLoad", "the file ends inside its header"));

    const BitmapHeader header = readBitmapHeader(data);
    const qint64 width = header.width;
    const qint64 height = header.rows();
    if (width <= 0 || height == 0 || header.planes != 1)
        return notAPicture(
            QT_TRANSLATE_NOOP("PictureLoad", "its header declares no valid picture size"));
    if (width > maxPictureSide || height > maxPictureSide)
        return QCoreApplication::translate("PictureLoad",
                                           "it declares a picture of %1 × %2 pixels, larger than "
                                           "%3 × %3")
            .arg(width)
            .arg(height)
            .arg(maxPictureSide);
    if (const qint64 bytes = width * height * 4; bytes > maxPictureBytes)
        return QCoreApplication::translate(
                   "PictureLoad", "it declares a picture of %1 × %2 pixels, which would take %3 "
                                  "MiB of memory; a picture may take at most %4 MiB (%5 × %5 "
                                  "pixels)")
            .arg(width)
            .arg(height)
            .arg(mebibytes(bytes), mebibytes(maxPictureBytes))
            .arg(static_cast<int>(std::sqrt(maxPictureBytes / 4)));
    if (!knownDepth(header.bits) || !depthFitsCompression(header.bits, header.compression))
        return notAPicture(QT_TRANSLATE_NOOP("PictureLoad", "its pixel format is not supported"));
    if (size < header.headersEnd)
        return notAPicture(QT_TRANSLATE_NOOP("PictureLoad", "the file ends inside its header"));

    const qint64 pixelOffset = header.pixelOffset;
    if (pixelOffset < bitmapFileHeaderSize + headerSize || pixelOffset >= size)
        return notAPicture(
            QT_TRANSLATE_NOOP("PictureLoad", "the file is shorter than its header says"));
    if (header.compression == Rgb || header.compression == BitFields) {
        if (header.pixelStart() + header.rowBytes() * height > size)
            return notAPicture(
                QT_TRANSLATE_NOOP("PictureLoad", "the file is shorter than its header says"));
    } else if (!rleStreamComplete(data, pixelOffset, height, header.bits)) {
        return notAPicture(
            QT_TRANSLATE_NOOP("PictureLoad", "the file ends inside its compressed pixel data"));
    }
    return {};
}

} // namespace catalogue
