#pragma once

#include <QByteArray>
#include <QString>

namespace catalogue {

// The largest picture the editor accepts, in either direction. Tiles are tens of pixels; this
// keeps a picture from growing an image past what a window can show.
inline constexpr int maxPictureSide = 4096;

// What one picture may cost once decoded, at the 4 bytes a pixel that a shown picture takes:
// 512 × 512 pixels. A board of such pictures (100 cells, 180 wall slots and 3 samples) takes
// 283 MiB at most, while a 32 × 32 tile takes 4 KiB.
inline constexpr qint64 maxPictureBytes = 1024 * 1024;

// Checks that `data` is a Windows bitmap whose headers are sound: a known header and pixel format,
// a size within maxPictureSide and maxPictureBytes, and pixel data that the file really holds (for
// a run-length compressed bitmap: a stream that reaches its end before the file does). Returns an
// empty string when the bitmap may be decoded, else the cause to report: that it is not a picture
// and why, or the size that makes it too large.
QString checkBitmap(const QByteArray &data);

} // namespace catalogue
