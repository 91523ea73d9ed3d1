#pragma once

#include <QSize>
#include <QString>
#include <QStringList>
#include <vector>

namespace tiles {

inline constexpr QSize objectTileSize{32, 32};
inline constexpr QSize horizontalWallSize{32, 10};
inline constexpr QSize verticalWallSize{10, 32};

// One picture file the editor reads: its complete catalogue path, its file name and the size
// of the board slot it fills.
struct TileFile
{
    QString path;
    QString fileName;
    QSize size;
};

// All 187 picture files, straight from the editor's catalogues: the object pictures in type and
// variant order, then each wall type's horizontal and vertical picture.
std::vector<TileFile> catalogueTiles();

// The same files as lines of text for someone drawing a set of their own: a heading for each
// object type and each wall type, then each of its files with its size in pixels ("  Bow.bmp  32 x
// 32"), in catalogue order.
QStringList tileListing();

} // namespace tiles
