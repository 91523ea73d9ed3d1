#include "tools/tiles/tilecatalogue.h"

#include "catalogue/objectcatalogue.h"
#include "catalogue/picturepath.h"
#include "catalogue/wallcatalogue.h"

namespace tiles {

namespace {

TileFile tileFile(const char *path, QSize size)
{
    const std::string_view name = catalogue::pictureFileName(path);
    return {QString::fromLatin1(path),
            QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())), size};
}

} // namespace

std::vector<TileFile> catalogueTiles()
{
    std::vector<TileFile> tiles;
    for (const catalogue::ObjectType &type : catalogue::objectTypes()) {
        for (const char *path : type.pictures)
            tiles.push_back(tileFile(path, objectTileSize));
    }
    for (const catalogue::WallType &type : catalogue::wallTypes()) {
        tiles.push_back(tileFile(type.horizontal, horizontalWallSize));
        tiles.push_back(tileFile(type.vertical, verticalWallSize));
    }
    return tiles;
}

} // namespace tiles
