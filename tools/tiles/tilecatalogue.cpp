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

QString listingLine(const TileFile &tile)
{
    return QStringLiteral("  %1  %2 x %3")
        .arg(tile.fileName)
        .arg(tile.size.width())
        .arg(tile.size.height());
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

QStringList tileListing()
{
    QStringList lines;
    int number = 0;
    for (const catalogue::ObjectType &type : catalogue::objectTypes()) {
        lines << QStringLiteral("Object type %1").arg(++number);
        for (const char *path : type.pictures)
            lines << listingLine(tileFile(path, objectTileSize));
    }
    number = 0;
    for (const catalogue::WallType &type : catalogue::wallTypes()) {
        lines << QStringLiteral("Wall type %1").arg(++number);
        lines << listingLine(tileFile(type.horizontal, horizontalWallSize));
        lines << listingLine(tileFile(type.vertical, verticalWallSize));
    }
    return lines;
}

} // namespace tiles
