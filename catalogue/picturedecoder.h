#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace catalogue {

// Decodes the bytes of a picture file. Only a Windows bitmap that checkBitmap() passes is decoded:
// by the bit-field decoder when it has bit fields, else by Qt's. Throws PictureLoadError naming
// `nameForErrors` when the bytes are not a picture or there is no memory to hold it; never returns
// a null image.
QImage decodePicture(const QByteArray &data, const QString &nameForErrors);

// The cause of a load whose picture of `size` could not be held.
QString noMemoryFor(QSize size);

} // namespace catalogue
