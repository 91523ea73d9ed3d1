#pragma once

#include "catalogue/catalogue.h"

#include <QStringList>
#include <functional>

namespace tiles {

// What writing the tile set did, file by file.
struct WriteReport
{
    QStringList written;
    QStringList kept;   // files that existed already and were left as they were
    QStringList failed; // "file: why"
};

// Where a tile's picture is to be written.
using Destination = std::function<QString(const catalogue::PictureFile &)>;

// Writes every catalogue tile as an uncompressed 24-bit Windows bitmap to its destination,
// creating folders as needed. An existing file is kept unless `overwrite` is set.
WriteReport writeTiles(const Destination &destination, bool overwrite);

// The destination of each tile inside one folder, under its catalogue file name.
Destination intoFolder(const QString &folder);

} // namespace tiles
