#pragma once

#include <QStringList>

namespace tiles {

// The catalogues' files as lines of text for someone drawing a set of their own: a heading for
// each object type and each wall type, then each of its files with its size in pixels ("  Bow.bmp
// 32 x 32"), in catalogue order.
QStringList tileListing();

} // namespace tiles
