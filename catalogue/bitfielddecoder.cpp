#include "catalogue/bitfielddecoder.h"

#include <QtEndian>
#include <bit>

namespace catalogue {

namespace {

// Red, green and blue of a 16-bit pixel without masks: five bits each, the top bit unused.
constexpr std::array<quint32, 4> fiveBitMasks = {0x7c00, 0x03e0, 0x001f, 0};

// One channel's field in a pixel, expanded to 0..255.
class Channel
{
public:
    explicit Channel(quint32 mask)
        : m_mask(mask), m_shift(mask ? std::countr_zero(mask) : 0), m_max(mask >> m_shift)
    {}

    int operator()(quint32 pixel) const
    {
        if (m_max == 0)
            return 0;
        const quint64 value = (pixel & m_mask) >> m_shift;
        return static_cast<int>((value * 255 + m_max / 2) / m_max);
    }

private:
    quint32 m_mask;
    int m_shift;
    quint64 m_max;
};

} // namespace

bool hasBitFields(const BitmapHeader &header)
{
    return header.bits == 16 || (header.bits == 32 && header.compression == BitFields);
}

QImage decodeBitFields(const QByteArray &data, const BitmapHeader &header)
{
    const auto masks = header.compression == BitFields ? header.masks : fiveBitMasks;
    const bool hasAlpha = masks[3] != 0;
    QImage image(static_cast<int>(header.width), static_cast<int>(header.rows()),
                 hasAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull())
        return image;

    const Channel red(masks[0]), green(masks[1]), blue(masks[2]), alpha(masks[3]);
    const qint64 pixelBytes = header.bits / 8;
    const qint64 rowBytes = header.rowBytes();
    const char *pixels = data.constData() + header.pixelStart();
    const bool topDown = header.height < 0;
    for (int y = 0; y < image.height(); ++y) {
        const char *in = pixels + rowBytes * (topDown ? y : image.height() - 1 - y);
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x, in += pixelBytes) {
            const quint32 pixel =
                pixelBytes == 2 ? qFromLittleEndian<quint16>(in) : qFromLittleEndian<quint32>(in);
            out[x] = qRgba(red(pixel), green(pixel), blue(pixel), hasAlpha ? alpha(pixel) : 255);
        }
    }
    return image;
}

} // namespace catalogue
