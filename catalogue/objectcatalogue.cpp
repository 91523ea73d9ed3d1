#include "catalogue/objectcatalogue.h"

#include "catalogue/picturepath.h"

#include <array>
#include <initializer_list>

namespace catalogue {

namespace {

// The object types in type-number order, each with its pictures in variant order.
// clang-format off
constexpr std::initializer_list<const char *> typeRows[] = {
    /*  1 */ {TOLVANE_PICTURE("1UpMushroom.bmp")},
    /*  2 */ {TOLVANE_PICTURE("AngleL.bmp"), TOLVANE_PICTURE("AngleR.bmp")},
    /*  3 */ {TOLVANE_PICTURE("Arrow.bmp")},
    /*  4 */ {TOLVANE_PICTURE("BattleBomb.bmp")},
    /*  5 */ {TOLVANE_PICTURE("Blank.bmp")},
    /*  6 */ {TOLVANE_PICTURE("BlockDrop.bmp")},
    /*  7 */ {TOLVANE_PICTURE("Bomb1.bmp"), TOLVANE_PICTURE("Bomb3.bmp")},
    /*  8 */ {TOLVANE_PICTURE("Bow.bmp")},
    /*  9 */ {TOLVANE_PICTURE("BridgeH.bmp"), TOLVANE_PICTURE("BridgeV.bmp")},
    /* 10 */ {TOLVANE_PICTURE("Button.bmp")},
    /* 11 */ {TOLVANE_PICTURE("Character.bmp")},
    /* 12 */ {TOLVANE_PICTURE("Crate.bmp")},
    /* 13 */ {TOLVANE_PICTURE("Digglett.bmp")},
    /* 14 */ {TOLVANE_PICTURE("DigglettWarp.bmp")},
    /* 15 */ {TOLVANE_PICTURE("DoubleSpike.bmp")},
    /* 16 */ {TOLVANE_PICTURE("Dragon.bmp")},
    /* 17 */ {TOLVANE_PICTURE("Dragonball1.bmp"), TOLVANE_PICTURE("Dragonball2.bmp"),
             TOLVANE_PICTURE("Dragonball3.bmp"), TOLVANE_PICTURE("Dragonball4.bmp"),
             TOLVANE_PICTURE("Dragonball5.bmp"), TOLVANE_PICTURE("Dragonball6.bmp"),
             TOLVANE_PICTURE("Dragonball7.bmp")},
    /* 18 */ {TOLVANE_PICTURE("Drill.bmp")},
    /* 19 */ {TOLVANE_PICTURE("Enemy1.bmp"), TOLVANE_PICTURE("Enemy2.bmp"),
             TOLVANE_PICTURE("Enemy3.bmp")},
    /* 20 */ {TOLVANE_PICTURE("ExitPoint.bmp")},
    /* 21 */ {TOLVANE_PICTURE("Fire.bmp")},
    /* 22 */ {TOLVANE_PICTURE("FireSuit.bmp")},
    /* 23 */ {TOLVANE_PICTURE("Ghost.bmp")},
    /* 24 */ {TOLVANE_PICTURE("GoD.bmp"), TOLVANE_PICTURE("GoL.bmp"), TOLVANE_PICTURE("GoR.bmp"),
             TOLVANE_PICTURE("GoU.bmp"), TOLVANE_PICTURE("GoDL.bmp"), TOLVANE_PICTURE("GoDR.bmp"),
             TOLVANE_PICTURE("GoUL.bmp"), TOLVANE_PICTURE("GoUR.bmp"), TOLVANE_PICTURE("GoH.bmp"),
             TOLVANE_PICTURE("GoV.bmp"), TOLVANE_PICTURE("GoDD.bmp"), TOLVANE_PICTURE("GoLL.bmp"),
             TOLVANE_PICTURE("GoRR.bmp"), TOLVANE_PICTURE("GoUU.bmp"), TOLVANE_PICTURE("GoDS.bmp"),
             TOLVANE_PICTURE("GoLS.bmp"), TOLVANE_PICTURE("GoRS.bmp"), TOLVANE_PICTURE("GoUS.bmp"),
             TOLVANE_PICTURE("GoDDD.bmp"), TOLVANE_PICTURE("GoLLL.bmp"),
             TOLVANE_PICTURE("GoRRR.bmp"), TOLVANE_PICTURE("GoUUU.bmp")},
    /* 25 */ {TOLVANE_PICTURE("Gun.bmp")},
    /* 26 */ {TOLVANE_PICTURE("Hammer.bmp")},
    /* 27 */ {TOLVANE_PICTURE("HoldButton.bmp")},
    /* 28 */ {TOLVANE_PICTURE("Hole.bmp")},
    /* 29 */ {TOLVANE_PICTURE("Ice.bmp")},
    /* 30 */ {TOLVANE_PICTURE("IceBlock.bmp")},
    /* 31 */ {TOLVANE_PICTURE("InvincibleFire.bmp")},
    /* 32 */ {TOLVANE_PICTURE("Jackhammer.bmp")},
    /* 33 */ {TOLVANE_PICTURE("Jump1.bmp"), TOLVANE_PICTURE("Jump2.bmp"),
             TOLVANE_PICTURE("Jump3.bmp"), TOLVANE_PICTURE("Jump4.bmp")},
    /* 34 */ {TOLVANE_PICTURE("KeyBlue.bmp"), TOLVANE_PICTURE("KeyGreen.bmp"),
             TOLVANE_PICTURE("KeyRed.bmp")},
    /* 35 */ {TOLVANE_PICTURE("KeyDoorBlue.bmp"), TOLVANE_PICTURE("KeyDoorGreen.bmp"),
             TOLVANE_PICTURE("KeyDoorRed.bmp")},
    /* 36 */ {TOLVANE_PICTURE("Knife.bmp")},
    /* 37 */ {TOLVANE_PICTURE("LaserD.bmp"), TOLVANE_PICTURE("LaserL.bmp"),
             TOLVANE_PICTURE("LaserR.bmp"), TOLVANE_PICTURE("LaserU.bmp"),
             TOLVANE_PICTURE("LaserH.bmp"), TOLVANE_PICTURE("LaserV.bmp")},
    /* 38 */ {TOLVANE_PICTURE("Lava.bmp")},
    /* 39 */ {TOLVANE_PICTURE("MarbleButtonD.bmp"), TOLVANE_PICTURE("MarbleButtonL.bmp"),
             TOLVANE_PICTURE("MarbleButtonR.bmp"), TOLVANE_PICTURE("MarbleButtonU.bmp")},
    /* 40 */ {TOLVANE_PICTURE("Mine.bmp")},
    /* 41 */ {TOLVANE_PICTURE("MotionLaserD.bmp"), TOLVANE_PICTURE("MotionLaserL.bmp"),
             TOLVANE_PICTURE("MotionLaserR.bmp"), TOLVANE_PICTURE("MotionLaserU.bmp"),
             TOLVANE_PICTURE("MotionLaserH.bmp"), TOLVANE_PICTURE("MotionLaserV.bmp")},
    /* 42 */ {TOLVANE_PICTURE("Mushroom.bmp")},
    /* 43 */ {TOLVANE_PICTURE("Point.bmp")},
    /* 44 */ {TOLVANE_PICTURE("Pokeball1.bmp"), TOLVANE_PICTURE("Pokeball3.bmp"),
             TOLVANE_PICTURE("Pokeball5.bmp")},
    /* 45 */ {TOLVANE_PICTURE("RadarBomb.bmp")},
    /* 46 */ {TOLVANE_PICTURE("RadarButton.bmp")},
    /* 47 */ {TOLVANE_PICTURE("RadarMarble.bmp")},
    /* 48 */ {TOLVANE_PICTURE("SensuBean.bmp")},
    /* 49 */ {TOLVANE_PICTURE("Shield.bmp")},
    /* 50 */ {TOLVANE_PICTURE("ShiftingBlockA.bmp"), TOLVANE_PICTURE("ShiftingBlockD.bmp"),
             TOLVANE_PICTURE("ShiftingBlockL.bmp"), TOLVANE_PICTURE("ShiftingBlockR.bmp"),
             TOLVANE_PICTURE("ShiftingBlockU.bmp"), TOLVANE_PICTURE("ShiftingBlockH.bmp"),
             TOLVANE_PICTURE("ShiftingBlockV.bmp")},
    /* 51 */ {TOLVANE_PICTURE("Shoot1.bmp"), TOLVANE_PICTURE("Shoot2.bmp"),
             TOLVANE_PICTURE("Shoot3.bmp")},
    /* 52 */ {TOLVANE_PICTURE("SlidingDoorButton.bmp")},
    /* 53 */ {TOLVANE_PICTURE("SpikesD.bmp"), TOLVANE_PICTURE("SpikesL.bmp"),
             TOLVANE_PICTURE("SpikesR.bmp"), TOLVANE_PICTURE("SpikesU.bmp")},
    /* 54 */ {TOLVANE_PICTURE("SpikeTrap.bmp")},
    /* 55 */ {TOLVANE_PICTURE("StairsDown.bmp")},
    /* 56 */ {TOLVANE_PICTURE("StairsUp.bmp")},
    /* 57 */ {TOLVANE_PICTURE("Star.bmp")},
    /* 58 */ {TOLVANE_PICTURE("StartPoint.bmp")},
    /* 59 */ {TOLVANE_PICTURE("SuperJump1.bmp"), TOLVANE_PICTURE("SuperJump2.bmp")},
    /* 60 */ {TOLVANE_PICTURE("ThreePoints.bmp")},
    /* 61 */ {TOLVANE_PICTURE("TiedUpMushroom.bmp")},
    /* 62 */ {TOLVANE_PICTURE("Trap.bmp")},
    /* 63 */ {TOLVANE_PICTURE("Warp1W.bmp"), TOLVANE_PICTURE("Warp1B.bmp"),
             TOLVANE_PICTURE("Warp2W.bmp"), TOLVANE_PICTURE("Warp2B.bmp"),
             TOLVANE_PICTURE("Warp3W.bmp"), TOLVANE_PICTURE("Warp3B.bmp"),
             TOLVANE_PICTURE("Warp4W.bmp"), TOLVANE_PICTURE("Warp4B.bmp"),
             TOLVANE_PICTURE("Warp5W.bmp"), TOLVANE_PICTURE("Warp5B.bmp"),
             TOLVANE_PICTURE("Warp6W.bmp"), TOLVANE_PICTURE("Warp6B.bmp"),
             TOLVANE_PICTURE("Warp7W.bmp"), TOLVANE_PICTURE("Warp7B.bmp"),
             TOLVANE_PICTURE("Warp8W.bmp"), TOLVANE_PICTURE("Warp8B.bmp"),
             TOLVANE_PICTURE("Warp9W.bmp"), TOLVANE_PICTURE("Warp9B.bmp"),
             TOLVANE_PICTURE("Warp10W.bmp"), TOLVANE_PICTURE("Warp10B.bmp"),
             TOLVANE_PICTURE("Warp11W.bmp"), TOLVANE_PICTURE("Warp11B.bmp"),
             TOLVANE_PICTURE("Warp12W.bmp"), TOLVANE_PICTURE("Warp12B.bmp"),
             TOLVANE_PICTURE("Warp13W.bmp"), TOLVANE_PICTURE("Warp13B.bmp"),
             TOLVANE_PICTURE("Warp14W.bmp"), TOLVANE_PICTURE("Warp14B.bmp"),
             TOLVANE_PICTURE("Warp15W.bmp"), TOLVANE_PICTURE("Warp15B.bmp"),
             TOLVANE_PICTURE("Warp16W.bmp"), TOLVANE_PICTURE("Warp16B.bmp"),
             TOLVANE_PICTURE("Warp17W.bmp"), TOLVANE_PICTURE("Warp17B.bmp"),
             TOLVANE_PICTURE("Warp18W.bmp"), TOLVANE_PICTURE("Warp18B.bmp"),
             TOLVANE_PICTURE("Warp19W.bmp"), TOLVANE_PICTURE("Warp19B.bmp"),
             TOLVANE_PICTURE("Warp20W.bmp"), TOLVANE_PICTURE("Warp20B.bmp")},
    /* 64 */ {TOLVANE_PICTURE("Water.bmp"), TOLVANE_PICTURE("WaterU.bmp"),
             TOLVANE_PICTURE("WaterR.bmp"), TOLVANE_PICTURE("WaterL.bmp"),
             TOLVANE_PICTURE("WaterD.bmp")},
    /* 65 */ {TOLVANE_PICTURE("WaterSuit.bmp"), TOLVANE_PICTURE("AntiCurrent.bmp")},
    /* 66 */ {TOLVANE_PICTURE("Wrench.bmp")},
    /* 67 */ {TOLVANE_PICTURE("X-Terminate.bmp")},
};
// clang-format on

constexpr auto buildTypes()
{
    std::array<ObjectType, std::size(typeRows)> types{};
    for (std::size_t t = 0; t < types.size(); ++t)
        types[t].pictures = std::span<const char *const>(typeRows[t].begin(), typeRows[t].size());
    return types;
}

constexpr auto typeTable = buildTypes();

} // namespace

std::span<const ObjectType> objectTypes()
{
    return typeTable;
}

} // namespace catalogue
