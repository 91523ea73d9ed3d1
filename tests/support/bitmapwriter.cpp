#include "bitmapwriter.h"

#include <QtEndian>

namespace bitmapwriter {

namespace {

constexpr int fileHeaderSize = 14;
constexpr int infoHeaderSize = 40;

void put16(QByteArray &out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void put32(QByteArray &out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

// The bits of pixel `x` of row `y` at this depth, as the file stores them.
quint32 pixelValue(const QImage &picture, int x, int y, int bits)
{
    if (bits <= 8)
        return picture.pixelIndex(x, y);
    const QRgb rgb = picture.pixel(x, y);
    if (bits == 16)
        return quint32(qRed(rgb) >> 3) << 10 | quint32(qGreen(rgb) >> 3) << 5 |
               quint32(qBlue(rgb) >> 3);
    return rgb & 0xffffff;
}

QByteArray packRow(const QImage &picture, int y, int bits)
{
    QByteArray row;
    if (bits < 8) {
        const int perByte = 8 / bits;
        for (int x = 0; x < picture.width(); x += perByte) {
            quint8 byte = 0;
            for (int i = 0; i < perByte; ++i) {
                const quint32 value =
                    x + i < picture.width() ? pixelValue(picture, x + i, y, bits) : 0;
                byte |= quint8(value << (8 - bits * (i + 1)));
            }
            row.append(char(byte));
        }
    } else {
        for (int x = 0; x < picture.width(); ++x) {
            const quint32 value = pixelValue(picture, x, y, bits);
            for (int i = 0; i < bits / 8; ++i)
                row.append(char(value >> (8 * i)));
        }
    }
    while (row.size() % 4 != 0)
        row.append('\0');
    return row;
}

} // namespace

QByteArray file(const Header &header, const QList<QRgb> &palette, const QByteArray &pixels)
{
    const quint32 pixelOffset = fileHeaderSize + infoHeaderSize + 4 * palette.size();
    QByteArray out("BM");
    put32(out, pixelOffset + pixels.size());
    put32(out, 0); // reserved
    put32(out, pixelOffset);
    put32(out, infoHeaderSize);
    put32(out, quint32(header.width));
    put32(out, quint32(header.height));
    put16(out, header.planes);
    put16(out, header.bits);
    put32(out, header.compression);
    put32(out, pixels.size());
    put32(out, 2835); // 72 dots per inch
    put32(out, 2835);
    put32(out, palette.size());
    put32(out, 0); // every colour is important
    for (const QRgb colour : palette)
        put32(out, colour & 0xffffff);
    return out + pixels;
}

QByteArray uncompressed(const QImage &picture, int bits, bool topDown)
{
    QByteArray pixels;
    for (int i = 0; i < picture.height(); ++i)
        pixels += packRow(picture, topDown ? i : picture.height() - 1 - i, bits);
    const QList<QRgb> palette = bits <= 8 ? picture.colorTable() : QList<QRgb>();
    const Header header{picture.width(), topDown ? -picture.height() : picture.height(),
                        quint16(bits)};
    return file(header, palette, pixels);
}

QByteArray plain(int width, int height, QRgb colour)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(colour);
    return uncompressed(picture, 24);
}

} // namespace bitmapwriter
