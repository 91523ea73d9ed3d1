#include "catalogue/wallcatalogue.h"

#include <iterator>

namespace catalogue {

namespace {

// One wall type: its picture for horizontal slots and its picture for vertical slots.
struct WallFiles
{
    const char *horizontal;
    const char *vertical;
};

// The wall types in type-number order.
constexpr WallFiles wallTable[] = {
    {"BlankWallH.bmp", "BlankWallV.bmp"},       {"WallH.bmp", "WallV.bmp"},
    {"BreakWallH.bmp", "BreakWallV.bmp"},       {"BombWallH.bmp", "BombWallV.bmp"},
    {"ElectricGateH.bmp", "ElectricGateV.bmp"},
};

} // namespace

int wallTypeCount()
{
    return static_cast<int>(std::size(wallTable));
}

QString wallFile(int type, Orientation orientation)
{
    if (type < 1 || type > wallTypeCount())
        return {};
    const WallFiles &files = wallTable[type - 1];
    return QString::fromLatin1(orientation == Orientation::Horizontal ? files.horizontal
                                                                      : files.vertical);
}

} // namespace catalogue
