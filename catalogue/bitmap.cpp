// The bitmap reader: checks that a file's bytes are a sound Windows bitmap of bounded size and
// decodes them, bit-field pixels exactly, the rest with Qt's decoder.

#include "catalogue/pictureloader.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>
#include <QLocale>
#include <QScopeGuard>
#include <QtEndian>
#include <array>
#include <bit>
#include <cmath>
#include <cstdlib>

namespace catalogue {

namespace {

constexpr qint64 fileHeaderSize = 14;
// The information header of most bitmaps; the 52- and 56-byte ones extend it with their masks.
constexpr quint32 plainHeaderSize = 40;
constexpr quint32 coreHeaderSize = 12;

enum Compression : quint32
{
    Rgb = 0,
    Rle8 = 1,
    Rle4 = 2,
    BitFields = 3
};

// What the file header and the information header declare. A 12-byte header has no compression
// field and no masks. The masks of a bit-field bitmap follow a 40-byte header and are part of a
// larger one; from 56 bytes on, an alpha mask too.
struct Header
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
    bool hasBitFields() const { return bits == 16 || (bits == 32 && compression == BitFields); }
};

template <typename T> T field(const QByteArray &data, qint64 at)
{
    return qFromLittleEndian<T>(data.constData() + at);
}

// Reads the headers of `data`, which holds the file header and an information header of a known
// size. Masks beyond the end of `data` are left zero; headersEnd says where they would end.
Header readHeader(const QByteArray &data)
{
    constexpr qint64 info = fileHeaderSize;
    Header header;
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

// A depth of bits a pixel that a bitmap may have, under a compression that fits it.
bool knownFormat(int bits, quint32 compression)
{
    const bool known =
        bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    return known && (compression == Rgb || (compression == Rle8 && bits == 8) ||
                     (compression == Rle4 && bits == 4) ||
                     (compression == BitFields && (bits == 16 || bits == 32)));
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

// Checks that `data` is a Windows bitmap whose headers are sound: a known header and pixel format,
// a size within maxPictureSide and maxPictureBytes, and pixel data that the file really holds (for
// a run-length compressed bitmap: a stream that reaches its end before the file does). Returns an
// empty string when the bitmap may be decoded, else the cause to report.
QString checkBitmap(const QByteArray &data)
{
    const qint64 size = data.size();
    if (size < fileHeaderSize + 4 || data[0] != 'B' || data[1] != 'M')
        return notAPicture(QT_TRANSLATE_NOOP("PictureLoad", "it is not a Windows bitmap"));
    const quint32 headerSize = qFromLittleEndian<quint32>(data.constData() + fileHeaderSize);
    if (headerSize != 12 && headerSize != 40 && headerSize != 52 && headerSize != 56 &&
        headerSize != 108 && headerSize != 124)
        return notAPicture(
            QT_TRANSLATE_NOOP("PictureLoad", "its bitmap header is of an unknown kind"));
    if (size < fileHeaderSize + headerSize)
        return notAPicture(QT_TRANSLATE_NOOP("PictureLoad", "the file ends inside its header"));

    const Header header = readHeader(data);
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
    if (!knownFormat(header.bits, header.compression))
        return notAPicture(QT_TRANSLATE_NOOP("PictureLoad", "its pixel format is not supported"));
    if (size < header.headersEnd)
        return notAPicture(QT_TRANSLATE_NOOP("PictureLoad", "the file ends inside its header"));

    const qint64 pixelOffset = header.pixelOffset;
    if (pixelOffset < fileHeaderSize + headerSize || pixelOffset >= size)
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

// Each channel is the pixel's bits under its mask, scaled from 0..mask to 0..255 and rounded, so
// that a full field is 255 as in a bitmap of 8 bits a channel. Returns a null image when there is
// no memory for the picture.
QImage decodeBitFields(const QByteArray &data, const Header &header)
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

// The same bitmap with a 40-byte information header, which Qt's decoder reads where it does not
// know a 52- or 56-byte one: the masks those add mean nothing to a bitmap without bit fields.
QByteArray withPlainHeader(const QByteArray &data, const Header &header)
{
    const qint64 masksAt = fileHeaderSize + plainHeaderSize;
    QByteArray plain = data.left(masksAt) + data.mid(fileHeaderSize + header.size);
    qToLittleEndian<quint32>(plainHeaderSize, plain.data() + fileHeaderSize);
    const qint64 dropped = header.size - plainHeaderSize;
    qToLittleEndian<quint32>(static_cast<quint32>(header.pixelOffset - dropped), plain.data() + 10);
    return plain;
}

// Qt's decoder, allowed no more memory than a picture may take. Returns a null image when the
// picture cannot be allocated; throws when Qt cannot decode it.
QImage decodeWithQt(const QByteArray &data, const Header &header, const QString &name)
{
    const int allocationLimit = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(static_cast<int>(maxPictureBytes >> 20));
    const auto restore = qScopeGuard([=] { QImageReader::setAllocationLimit(allocationLimit); });

    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    // Qt's own words for what went wrong, from Qt's catalogue, are quoted as they are.
    const auto notAPicture = [&] {
        //: %1 is Qt's message for why its decoder failed ("Unable to read image data").
        return PictureLoadError(
            name, QCoreApplication::translate("PictureLoad",
                                              "it is not a picture: it cannot be decoded (%1)")
                      .arg(reader.errorString()));
    };
    const QImage::Format format = reader.imageFormat();
    if (format == QImage::Format_Invalid)
        throw notAPicture();
    // Qt's decoder writes into the picture it is given when that has the right size and format.
    // It starts from a cleared one: the skip escapes of a run-length compressed bitmap (end of
    // line, skip right and down, end of bitmap) leave pixels unwritten, which then show colour 0
    // and not whatever the memory held before.
    QImage image(static_cast<int>(header.width), static_cast<int>(header.rows()), format);
    if (image.isNull())
        return image;
    image.fill(0);
    if (!reader.read(&image) || image.isNull())
        throw notAPicture();
    return image;
}

} // namespace

QString noMemoryFor(QSize size)
{
    return QCoreApplication::translate("PictureLoad",
                                       "there is not enough memory for a picture of %1 × %2 "
                                       "pixels")
        .arg(size.width())
        .arg(size.height());
}

QImage decodePicture(const QByteArray &data, const QString &nameForErrors)
{
    if (const QString fault = checkBitmap(data); !fault.isEmpty())
        throw PictureLoadError(nameForErrors, fault);

    const Header header = readHeader(data);
    QImage image;
    if (header.hasBitFields())
        image = decodeBitFields(data, header);
    else if (header.size == 52 || header.size == 56)
        image = decodeWithQt(withPlainHeader(data, header), header, nameForErrors);
    else
        image = decodeWithQt(data, header, nameForErrors);
    if (image.isNull())
        throw PictureLoadError(nameForErrors, noMemoryFor({static_cast<int>(header.width),
                                                           static_cast<int>(header.rows())}));
    return image;
}

} // namespace catalogue
