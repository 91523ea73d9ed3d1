#include "catalogue/bitmapcheck.h"

#include <QtEndian>
#include <cstdint>
#include <cstdlib>

namespace catalogue {

namespace {

constexpr qint64 fileHeaderSize = 14;
constexpr qint64 coreHeaderSize = 12;

enum Compression : quint32
{
    Rgb = 0,
    Rle8 = 1,
    Rle4 = 2,
    BitFields = 3
};

quint16 u16(const QByteArray &data, qint64 at)
{
    return qFromLittleEndian<quint16>(data.constData() + at);
}

quint32 u32(const QByteArray &data, qint64 at)
{
    return qFromLittleEndian<quint32>(data.constData() + at);
}

qint32 i32(const QByteArray &data, qint64 at)
{
    return qFromLittleEndian<qint32>(data.constData() + at);
}

bool knownHeaderSize(quint32 size)
{
    return size == coreHeaderSize || size == 40 || size == 52 || size == 56 || size == 108 ||
           size == 124;
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

} // namespace

QString checkBitmap(const QByteArray &data)
{
    const qint64 size = data.size();
    if (size < fileHeaderSize + 4 || data[0] != 'B' || data[1] != 'M')
        return QStringLiteral("it is not a Windows bitmap");
    const quint32 headerSize = u32(data, fileHeaderSize);
    if (!knownHeaderSize(headerSize))
        return QStringLiteral("its bitmap header is of an unknown kind");
    if (size < fileHeaderSize + headerSize)
        return QStringLiteral("the file ends inside its header");

    const qint64 info = fileHeaderSize;
    const bool core = headerSize == coreHeaderSize;
    const qint64 width = core ? u16(data, info + 4) : i32(data, info + 4);
    const qint64 height = core ? static_cast<qint16>(u16(data, info + 6)) : i32(data, info + 8);
    const int planes = u16(data, info + (core ? 8 : 12));
    const int bits = u16(data, info + (core ? 10 : 14));
    const quint32 compression = core ? Rgb : u32(data, info + 16);

    if (width <= 0 || height == 0 || planes != 1)
        return QStringLiteral("its header declares no valid picture size");
    if (width > maxPictureSide || std::llabs(height) > maxPictureSide)
        return QStringLiteral("it declares a picture of %1 × %2 pixels, larger than %3 × %3")
            .arg(width)
            .arg(std::llabs(height))
            .arg(maxPictureSide);
    if (!knownDepth(bits) || !depthFitsCompression(bits, compression))
        return QStringLiteral("its pixel format is not supported");

    const qint64 pixelOffset = u32(data, 10);
    if (pixelOffset < fileHeaderSize + headerSize || pixelOffset >= size)
        return QStringLiteral("the file is shorter than its header says");
    if (compression == Rgb || compression == BitFields) {
        const qint64 rowBytes = (width * bits + 31) / 32 * 4;
        if (pixelOffset + rowBytes * std::llabs(height) > size)
            return QStringLiteral("the file is shorter than its header says");
    } else if (!rleStreamComplete(data, pixelOffset, std::llabs(height), bits)) {
        return QStringLiteral("the file ends inside its compressed pixel data");
    }
    return {};
}

} // namespace catalogue
