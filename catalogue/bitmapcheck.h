#pragma once

#include <QByteArray>
#include <QString>

namespace catalogue {

// The largest picture the editor accepts, in either direction. Tiles are tens of pixels; this
// keeps a file that declares an enormous image from ever reaching the decoder.
inline constexpr int maxPictureSide = 4096;

// Checks that `data` is a Windows bitmap whose headers are sound: a known header and pixel format,
// a size within maxPictureSide, and pixel data that the file really holds (for a run-length
// compressed bitmap: a stream that reaches its end before the file does). Returns an empty string
// when the bitmap may be decoded, else why it is not a picture.
QString checkBitmap(const QByteArray &data);

} // namespace catalogue
