#pragma once

#include "catalogue/bitmapheader.h"

#include <QByteArray>
#include <QImage>

namespace catalogue {

// Whether a bitmap stores its pixels in bit fields: 16 bits a pixel (five bits a channel, or the
// masks of a bit-field header), or 32 bits under masks.
bool hasBitFields(const BitmapHeader &header);

// Decodes a bitmap that hasBitFields() and that checkBitmap() passed. Each channel is the pixel's
// bits under its mask, scaled from 0..mask to 0..255 and rounded, so that a full field is 255 as
// in a bitmap of 8 bits a channel; alpha comes from an alpha mask of a bit-field header. Returns a
// null image when there is no memory for the picture.
QImage decodeBitFields(const QByteArray &data, const BitmapHeader &header);

} // namespace catalogue
