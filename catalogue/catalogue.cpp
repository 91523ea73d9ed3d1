#include "catalogue/catalogue.h"

#include <initializer_list>
#include <iterator>

namespace catalogue {

namespace {

// The object types in type-number order, each with its pictures in variant order.
// clang-format off
constexpr std::initializer_list<const char *> typeRows[] = {
    /*  1 */ {"1UpMushroom.bmp"},
    /*  2 */ {"AngleL.bmp", "AngleR.bmp"},
    /*  3 */ {"Arrow.bmp"},
    /*  4 */ {"BattleBomb.bmp"},
    /*  5 */ {"Blank.bmp"},
    /*  6 */ {"BlockDrop.bmp"},
    /*  7 */ {"Bomb1.bmp", "Bomb3.bmp"},
    /*  8 */ {"Bow.bmp"},
    /*  9 */ {"BridgeH.bmp", "BridgeV.bmp"},
    /* 10 */ {"Button.bmp"},
    /* 11 */ {"Character.bmp"},
    /* 12 */ {"Crate.bmp"},
    /* 13 */ {"Digglett.bmp"},
    /* 14 */ {"DigglettWarp.bmp"},
    /* 15 */ {"DoubleSpike.bmp"},
    /* 16 */ {"Dragon.bmp"},
    /* 17 */ {"Dragonball1.bmp", "Dragonball2.bmp", "Dragonball3.bmp", "Dragonball4.bmp",
              "Dragonball5.bmp", "Dragonball6.bmp", "Dragonball7.bmp"},
    /* 18 */ {"Drill.bmp"},
    /* 19 */ {"Enemy1.bmp", "Enemy2.bmp", "Enemy3.bmp"},
    /* 20 */ {"ExitPoint.bmp"},
    /* 21 */ {"Fire.bmp"},
    /* 22 */ {"FireSuit.bmp"},
    /* 23 */ {"Ghost.bmp"},
    /* 24 */ {"GoD.bmp", "GoL.bmp", "GoR.bmp", "GoU.bmp", "GoDL.bmp", "GoDR.bmp", "GoUL.bmp",
              "GoUR.bmp", "GoH.bmp", "GoV.bmp", "GoDD.bmp", "GoLL.bmp", "GoRR.bmp", "GoUU.bmp",
              "GoDS.bmp", "GoLS.bmp", "GoRS.bmp", "GoUS.bmp", "GoDDD.bmp", "GoLLL.bmp", "GoRRR.bmp",
              "GoUUU.bmp"},
    /* 25 */ {"Gun.bmp"},
    /* 26 */ {"Hammer.bmp"},
    /* 27 */ {"HoldButton.bmp"},
    /* 28 */ {"Hole.bmp"},
    /* 29 */ {"Ice.bmp"},
    /* 30 */ {"IceBlock.bmp"},
    /* 31 */ {"InvincibleFire.bmp"},
    /* 32 */ {"Jackhammer.bmp"},
    /* 33 */ {"Jump1.bmp", "Jump2.bmp", "Jump3.bmp", "Jump4.bmp"},
    /* 34 */ {"KeyBlue.bmp", "KeyGreen.bmp", "KeyRed.bmp"},
    /* 35 */ {"KeyDoorBlue.bmp", "KeyDoorGreen.bmp", "KeyDoorRed.bmp"},
    /* 36 */ {"Knife.bmp"},
    /* 37 */ {"LaserD.bmp", "LaserL.bmp", "LaserR.bmp", "LaserU.bmp", "LaserH.bmp", "LaserV.bmp"},
    /* 38 */ {"Lava.bmp"},
    /* 39 */ {"MarbleButtonD.bmp", "MarbleButtonL.bmp", "MarbleButtonR.bmp", "MarbleButtonU.bmp"},
    /* 40 */ {"Mine.bmp"},
    /* 41 */ {"MotionLaserD.bmp", "MotionLaserL.bmp", "MotionLaserR.bmp", "MotionLaserU.bmp",
              "MotionLaserH.bmp", "MotionLaserV.bmp"},
    /* 42 */ {"Mushroom.bmp"},
    /* 43 */ {"Point.bmp"},
    /* 44 */ {"Pokeball1.bmp", "Pokeball3.bmp", "Pokeball5.bmp"},
    /* 45 */ {"RadarBomb.bmp"},
    /* 46 */ {"RadarButton.bmp"},
    /* 47 */ {"RadarMarble.bmp"},
    /* 48 */ {"SensuBean.bmp"},
    /* 49 */ {"Shield.bmp"},
    /* 50 */ {"ShiftingBlockA.bmp", "ShiftingBlockD.bmp", "ShiftingBlockL.bmp",
              "ShiftingBlockR.bmp", "ShiftingBlockU.bmp", "ShiftingBlockH.bmp",
              "ShiftingBlockV.bmp"},
    /* 51 */ {"Shoot1.bmp", "Shoot2.bmp", "Shoot3.bmp"},
    /* 52 */ {"SlidingDoorButton.bmp"},
    /* 53 */ {"SpikesD.bmp", "SpikesL.bmp", "SpikesR.bmp", "SpikesU.bmp"},
    /* 54 */ {"SpikeTrap.bmp"},
    /* 55 */ {"StairsDown.bmp"},
    /* 56 */ {"StairsUp.bmp"},
    /* 57 */ {"Star.bmp"},
    /* 58 */ {"StartPoint.bmp"},
    /* 59 */ {"SuperJump1.bmp", "SuperJump2.bmp"},
    /* 60 */ {"ThreePoints.bmp"},
    /* 61 */ {"TiedUpMushroom.bmp"},
    /* 62 */ {"Trap.bmp"},
    /* 63 */ {"Warp1W.bmp", "Warp1B.bmp", "Warp2W.bmp", "Warp2B.bmp", "Warp3W.bmp", "Warp3B.bmp",
              "Warp4W.bmp", "Warp4B.bmp", "Warp5W.bmp", "Warp5B.bmp", "Warp6W.bmp", "Warp6B.bmp",
              "Warp7W.bmp", "Warp7B.bmp", "Warp8W.bmp", "Warp8B.bmp", "Warp9W.bmp", "Warp9B.bmp",
              "Warp10W.bmp", "Warp10B.bmp", "Warp11W.bmp", "Warp11B.bmp", "Warp12W.bmp",
              "Warp12B.bmp", "Warp13W.bmp", "Warp13B.bmp", "Warp14W.bmp", "Warp14B.bmp",
              "Warp15W.bmp", "Warp15B.bmp", "Warp16W.bmp", "Warp16B.bmp", "Warp17W.bmp",
              "Warp17B.bmp", "Warp18W.bmp", "Warp18B.bmp", "Warp19W.bmp", "Warp19B.bmp",
              "Warp20W.bmp", "Warp20B.bmp"},
    /* 64 */ {"Water.bmp", "WaterU.bmp", "WaterR.bmp", "WaterL.bmp", "WaterD.bmp"},
    /* 65 */ {"WaterSuit.bmp", "AntiCurrent.bmp"},
    /* 66 */ {"Wrench.bmp"},
    /* 67 */ {"X-Terminate.bmp"},
};
// clang-format on
static_assert(std::size(typeRows) == objectTypeCount);

// Each wall type's picture for horizontal slots and for vertical slots, in type-number order.
constexpr const char *wallRows[][2] = {
    {"BlankWallH.bmp", "BlankWallV.bmp"},       {"WallH.bmp", "WallV.bmp"},
    {"BreakWallH.bmp", "BreakWallV.bmp"},       {"BombWallH.bmp", "BombWallV.bmp"},
    {"ElectricGateH.bmp", "ElectricGateV.bmp"},
};
static_assert(std::size(wallRows) == wallTypeCount);

} // namespace

int variantCount(int type)
{
    return type >= 1 && type <= objectTypeCount ? int(typeRows[type - 1].size()) : 0;
}

QString objectFile(int type, int variant)
{
    if (variant < 1 || variant > variantCount(type))
        return {};
    return QString::fromLatin1(typeRows[type - 1].begin()[variant - 1]);
}

QString wallFile(int type, Place place)
{
    if (type < 1 || type > wallTypeCount || (place != HorizontalWall && place != VerticalWall))
        return {};
    return QString::fromLatin1(wallRows[type - 1][place == HorizontalWall ? 0 : 1]);
}

std::vector<PictureFile> pictureFiles()
{
    std::vector<PictureFile> files;
    for (int type = 1; type <= objectTypeCount; ++type) {
        for (int variant = 1; variant <= variantCount(type); ++variant)
            files.push_back({objectFile(type, variant), Cell, type, slotSize(Cell)});
    }
    for (int type = 1; type <= wallTypeCount; ++type) {
        for (Place place : {HorizontalWall, VerticalWall})
            files.push_back({wallFile(type, place), place, type, slotSize(place)});
    }
    return files;
}

} // namespace catalogue
