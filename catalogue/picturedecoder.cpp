#include "catalogue/picturedecoder.h"

#include "catalogue/bitfielddecoder.h"
#include "catalogue/bitmapcheck.h"
#include "catalogue/bitmapheader.h"
#include "catalogue/pictureloader.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>
#include <QScopeGuard>
#include <QtEndian>

namespace catalogue {

namespace {

// The same bitmap with a 40-byte information header, which Qt's decoder reads where it does not
// know a 52- or 56-byte one: the masks those add mean nothing to a bitmap without bit fields.
QByteArray withPlainHeader(const QByteArray &data, const BitmapHeader &header)
{
    const qint64 masksAt = bitmapFileHeaderSize + plainHeaderSize;
    QByteArray plain = data.left(masksAt) + data.mid(bitmapFileHeaderSize + header.size);
    qToLittleEndian<quint32>(plainHeaderSize, plain.data() + bitmapFileHeaderSize);
    const qint64 dropped = header.size - plainHeaderSize;
    qToLittleEndian<quint32>(static_cast<quint32>(header.pixelOffset - dropped), plain.data() + 10);
    return plain;
}

// Qt's decoder, allowed no more memory than a picture may take. Returns a null image when the
// picture cannot be allocated; throws when Qt cannot decode it.
QImage decodeWithQt(const QByteArray &data, const BitmapHeader &header, const QString &name)
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

    const BitmapHeader header = readBitmapHeader(data);
    QImage image;
    if (hasBitFields(header))
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
