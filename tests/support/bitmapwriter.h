#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRgb>

// Writes Windows bitmap files byte by byte for the tests, so that what the loader is given does not
// depend on the encoder under test.
namespace bitmapwriter {

enum Compression : quint32
{
    Rgb = 0,
    Rle8 = 1,
    Rle4 = 2,
};

// The fields of a 40-byte information header that the tests vary.
struct Header
{
    qint32 width = 0;
    qint32 height = 0; // negative: rows stored top-down
    quint16 bits = 24;
    quint32 compression = Rgb;
    quint16 planes = 1;
};

// A complete file: file header, information header, palette, then `pixels` as given.
QByteArray file(const Header &header, const QList<QRgb> &palette, const QByteArray &pixels);

// An uncompressed bitmap of `picture` at `bits` per pixel (1, 4, 8, 16 as 5-5-5, 24 or 32). For 8
// bits and fewer, `picture` is an Indexed8 image whose colour table becomes the palette.
QByteArray uncompressed(const QImage &picture, int bits, bool topDown = false);

// A 24-bit picture of the given size in one colour.
QByteArray plain(int width, int height, QRgb colour);

} // namespace bitmapwriter
