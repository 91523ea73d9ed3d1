#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRgb>
#include <array>

// Writes Windows bitmap files byte by byte for the tests, so that what the loader is given does not
// depend on the encoder under test.
namespace bitmapwriter {

enum Compression : quint32
{
    Rgb = 0,
    Rle8 = 1,
    Rle4 = 2,
    BitFields = 3,
};

// Red, green, blue and alpha.
using Masks = std::array<quint32, 4>;

// The fields of an information header that the tests vary.
struct Header
{
    qint32 width = 0;
    qint32 height = 0; // negative: rows stored top-down
    quint16 bits = 24;
    quint32 compression = Rgb;
    quint16 planes = 1;
    quint32 size = 40; // 40, 52 (with red, green and blue masks) or 56 (alpha too)
    Masks masks{};     // written after a 40-byte header when the compression is BitFields
};

// A complete file: file header, information header, masks, palette, then `pixels` as given.
QByteArray file(const Header &header, const QList<QRgb> &palette, const QByteArray &pixels);

// An uncompressed bitmap of `picture` at `bits` per pixel (1, 4, 8, 16 as 5-5-5, 24 or 32), with an
// information header of `headerSize` bytes. For 8 bits and fewer, `picture` is an Indexed8 image
// whose colour table becomes the palette.
QByteArray uncompressed(const QImage &picture, int bits, bool topDown = false,
                        quint32 headerSize = 40);

// A bit-field bitmap of `picture` at 16 or 32 bits per pixel: each channel's top bits under its
// mask (of at most 8 bits).
QByteArray bitFields(const QImage &picture, int bits, const Masks &masks, quint32 headerSize = 40);

// A 24-bit picture of the given size in one colour.
QByteArray plain(int width, int height, QRgb colour);

} // namespace bitmapwriter
