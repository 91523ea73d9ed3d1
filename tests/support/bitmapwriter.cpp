#include "bitmapwriter.h"

#include <QtEndian>
#include <bit>

namespace bitmapwriter {

namespace {

constexpr int fileHeaderSize = 14;
constexpr int infoHeaderSize = 40;
constexpr Masks fiveBitMasks = {0x7c00, 0x03e0, 0x001f, 0};
constexpr Masks eightBitMasks = {0xff0000, 0xff00, 0xff, 0};

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

// The top bits of an 8-bit channel value under `mask`.
quint32 field(int value, quint32 mask)
{
    return mask ? quint32(value) >> (8 - std::popcount(mask)) << std::countr_zero(mask) : 0;
}

// The bits of pixel `x` of row `y` at this depth, as the file stores them.
quint32 pixelValue(const QImage &picture, int x, int y, int bits, const Masks &masks)
{
    if (bits <= 8)
        return picture.pixelIndex(x, y);
    const QRgb rgb = picture.pixel(x, y);
    return field(qRed(rgb), masks[0]) | field(qGreen(rgb), masks[1]) | field(qBlue(rgb), masks[2]) |
           field(qAlpha(rgb), masks[3]);
}

QByteArray packRow(const QImage &picture, int y, int bits, const Masks &masks)
{
    QByteArray row;
    if (bits < 8) {
        const int perByte = 8 / bits;
        for (int x = 0; x < picture.width(); x += perByte) {
            quint8 byte = 0;
            for (int i = 0; i < perByte; ++i) {
                const quint32 value =
                    x + i < picture.width() ? pixelValue(picture, x + i, y, bits, masks) : 0;
                byte |= quint8(value << (8 - bits * (i + 1)));
            }
            row.append(char(byte));
        }
    } else {
        for (int x = 0; x < picture.width(); ++x) {
            const quint32 value = pixelValue(picture, x, y, bits, masks);
            for (int i = 0; i < bits / 8; ++i)
                row.append(char(value >> (8 * i)));
        }
    }
    while (row.size() % 4 != 0)
        row.append('\0');
    return row;
}

// `picture` as a complete file with the given header; its size comes from the picture.
QByteArray encode(const QImage &picture, Header header, bool topDown)
{
    const Masks &masks = header.compression == BitFields ? header.masks
                         : header.bits == 16             ? fiveBitMasks
                                                         : eightBitMasks;
    QByteArray pixels;
    for (int i = 0; i < picture.height(); ++i)
        pixels += packRow(picture, topDown ? i : picture.height() - 1 - i, header.bits, masks);
    const QList<QRgb> palette = header.bits <= 8 ? picture.colorTable() : QList<QRgb>();
    header.width = picture.width();
    header.height = topDown ? -picture.height() : picture.height();
    return file(header, palette, pixels);
}

} // namespace

QByteArray file(const Header &header, const QList<QRgb> &palette, const QByteArray &pixels)
{
    const bool masksAfter = header.size == infoHeaderSize && header.compression == BitFields;
    const quint32 pixelOffset =
        fileHeaderSize + header.size + (masksAfter ? 12 : 0) + 4 * palette.size();
    QByteArray out("BM");
    put32(out, pixelOffset + pixels.size());
    put32(out, 0); // reserved
    put32(out, pixelOffset);
    put32(out, header.size);
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
    const int maskCount = masksAfter ? 3 : int(header.size - infoHeaderSize) / 4;
    for (int i = 0; i < maskCount; ++i)
        put32(out, header.masks[std::size_t(i)]);
    for (const QRgb colour : palette)
        put32(out, colour & 0xffffff);
    return out + pixels;
}

QByteArray uncompressed(const QImage &picture, int bits, bool topDown, quint32 headerSize)
{
    Header header{0, 0, quint16(bits)};
    header.size = headerSize;
    return encode(picture, header, topDown);
}

QByteArray bitFields(const QImage &picture, int bits, const Masks &masks, quint32 headerSize)
{
    return encode(picture, {0, 0, quint16(bits), BitFields, 1, headerSize, masks}, false);
}

QByteArray plain(int width, int height, QRgb colour)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(colour);
    return uncompressed(picture, 24);
}

} // namespace bitmapwriter
