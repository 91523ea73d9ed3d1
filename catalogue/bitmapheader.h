#pragma once

#include <QByteArray>
#include <array>
#include <cstdlib>

namespace catalogue {

inline constexpr qint64 bitmapFileHeaderSize = 14;
// The information header of most bitmaps; the 52- and 56-byte ones extend it with their masks.
inline constexpr quint32 plainHeaderSize = 40;

// The compression field of a bitmap's information header.
enum BitmapCompression : quint32
{
    Rgb = 0,
    Rle8 = 1,
    Rle4 = 2,
    BitFields = 3
};

// What the file header and the information header of a Windows bitmap declare. A 12-byte header
// has no compression field and no masks. The red, green and blue masks of a bit-field bitmap
// follow a 40-byte header and are part of a larger one; from 56 bytes on, an alpha mask too.
struct BitmapHeader
{
    quint32 size = 0; // of the information header
    qint64 width = 0;
    qint64 height = 0; // negative: rows stored top-down
    int planes = 0;
    int bits = 0;
    quint32 compression = Rgb;
    qint64 pixelOffset = 0;
    std::array<quint32, 4> masks{}; // red, green, blue, alpha; zero where the file has none
    qint64 headersEnd = 0;          // where the information header, and masks after it, end

    qint64 rows() const { return std::llabs(height); }
    // The bytes of one row of uncompressed pixels, padded to whole 4-byte words.
    qint64 rowBytes() const { return (width * bits + 31) / 32 * 4; }
    // Where the pixels of a bitmap without a palette begin: at the offset the file header gives,
    // unless that points into the headers, where Qt's decoder reads on from their end.
    qint64 pixelStart() const { return pixelOffset > headersEnd ? pixelOffset : headersEnd; }
};

// Reads the headers of `data`, which must hold the file header and an information header of one of
// the sizes above. Masks that lie beyond the end of `data` are left zero; headersEnd says where
// they would end.
BitmapHeader readBitmapHeader(const QByteArray &data);

} // namespace catalogue
