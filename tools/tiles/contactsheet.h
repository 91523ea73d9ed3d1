#pragma once

#include <QImage>
#include <QRect>

namespace tiles {

// Each tile is shown on the sheet at this many screen pixels to one tile pixel.
inline constexpr int sheetScale = 2;

// One picture of every catalogue tile, in catalogue order, each under a title line at twice its
// size with its name below it, on a light grey ground so that white tiles keep their edges.
QImage contactSheet();

// Where the tile at `index` in catalogue order, of `tileSize`, lies on the sheet.
QRect sheetTileRect(int index, QSize tileSize);

} // namespace tiles
