#include "catalogue/wallcatalogue.h"

#include "catalogue/picturepath.h"

namespace catalogue {

namespace {

constexpr WallType wallTable[] = {
    {TOLVANE_PICTURE("BlankWallH.bmp"), TOLVANE_PICTURE("BlankWallV.bmp")},
    {TOLVANE_PICTURE("WallH.bmp"), TOLVANE_PICTURE("WallV.bmp")},
    {TOLVANE_PICTURE("BreakWallH.bmp"), TOLVANE_PICTURE("BreakWallV.bmp")},
    {TOLVANE_PICTURE("BombWallH.bmp"), TOLVANE_PICTURE("BombWallV.bmp")},
    {TOLVANE_PICTURE("ElectricGateH.bmp"), TOLVANE_PICTURE("ElectricGateV.bmp")},
};

} // namespace

std::span<const WallType> wallTypes()
{
    return wallTable;
}

} // namespace catalogue
