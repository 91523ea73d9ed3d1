#include "catalogue/bitmapheader.h"

#include <QtEndian>

namespace catalogue {

namespace {

constexpr quint32 coreHeaderSize = 12;

template <typename T> T field(const QByteArray &data, qint64 at)
{
    return qFromLittleEndian<T>(data.constData() + at);
}

} // namespace

BitmapHeader readBitmapHeader(const QByteArray &data)
{
    constexpr qint64 info = bitmapFileHeaderSize;
    BitmapHeader header;
    header.size = field<quint32>(data, info);
    header.pixelOffset = field<quint32>(data, 10);
    header.headersEnd = info + header.size;
    if (header.size == coreHeaderSize) {
        header.width = field<quint16>(data, info + 4);
        header.height = field<qint16>(data, info + 6);
        header.planes = field<quint16>(data, info + 8);
        header.bits = field<quint16>(data, info + 10);
        return header;
    }
    header.width = field<qint32>(data, info + 4);
    header.height = field<qint32>(data, info + 8);
    header.planes = field<quint16>(data, info + 12);
    header.bits = field<quint16>(data, info + 14);
    header.compression = field<quint32>(data, info + 16);
    if (header.compression != BitFields)
        return header;

    // A 40-byte header is followed by three masks; larger ones hold them, and alpha from 56 on.
    const qint64 masksAt = info + plainHeaderSize;
    const int count = header.size <= 52 ? 3 : 4;
    if (header.size == plainHeaderSize)
        header.headersEnd += 3 * 4;
    if (data.size() < masksAt + 4 * count)
        return header;
    for (int i = 0; i < count; ++i)
        header.masks[static_cast<std::size_t>(i)] = field<quint32>(data, masksAt + 4 * i);
    return header;
}

} // namespace catalogue
