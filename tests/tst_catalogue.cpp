// The object and wall catalogues checked against the editor's published picture list: the number
// of types and variants, every file name and path, the order of the entries and the particular
// entries whose names break the plain pattern.

#include "catalogue/catalogue.h"

#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

namespace {

const QString folder = QStringLiteral("c:/My Documents/pardovine/");

// Every object picture in catalogue order: type 1's pictures, then type 2's, and so on, each
// type's pictures in variant order.
// clang-format off
const QStringList objectFileNames = {
    "1UpMushroom.bmp", "AngleL.bmp", "AngleR.bmp", "Arrow.bmp", "BattleBomb.bmp", "Blank.bmp",
    "BlockDrop.bmp", "Bomb1.bmp", "Bomb3.bmp", "Bow.bmp", "BridgeH.bmp", "BridgeV.bmp",
    "Button.bmp", "Character.bmp", "Crate.bmp", "Digglett.bmp", "DigglettWarp.bmp",
    "DoubleSpike.bmp", "Dragon.bmp", "Dragonball1.bmp", "Dragonball2.bmp", "Dragonball3.bmp",
    "Dragonball4.bmp", "Dragonball5.bmp", "Dragonball6.bmp", "Dragonball7.bmp", "Drill.bmp",
    "Enemy1.bmp", "Enemy2.bmp", "Enemy3.bmp", "ExitPoint.bmp", "Fire.bmp", "FireSuit.bmp",
    "Ghost.bmp", "GoD.bmp", "GoL.bmp", "GoR.bmp", "GoU.bmp", "GoDL.bmp", "GoDR.bmp", "GoUL.bmp",
    "GoUR.bmp", "GoH.bmp", "GoV.bmp", "GoDD.bmp", "GoLL.bmp", "GoRR.bmp", "GoUU.bmp", "GoDS.bmp",
    "GoLS.bmp", "GoRS.bmp", "GoUS.bmp", "GoDDD.bmp", "GoLLL.bmp", "GoRRR.bmp", "GoUUU.bmp",
    "Gun.bmp", "Hammer.bmp", "HoldButton.bmp", "Hole.bmp", "Ice.bmp", "IceBlock.bmp",
    "InvincibleFire.bmp", "Jackhammer.bmp", "Jump1.bmp", "Jump2.bmp", "Jump3.bmp", "Jump4.bmp",
    "KeyBlue.bmp", "KeyGreen.bmp", "KeyRed.bmp", "KeyDoorBlue.bmp", "KeyDoorGreen.bmp",
    "KeyDoorRed.bmp", "Knife.bmp", "LaserD.bmp", "LaserL.bmp", "LaserR.bmp", "LaserU.bmp",
    "LaserH.bmp", "LaserV.bmp", "Lava.bmp", "MarbleButtonD.bmp", "MarbleButtonL.bmp",
    "MarbleButtonR.bmp", "MarbleButtonU.bmp", "Mine.bmp", "MotionLaserD.bmp", "MotionLaserL.bmp",
    "MotionLaserR.bmp", "MotionLaserU.bmp", "MotionLaserH.bmp", "MotionLaserV.bmp", "Mushroom.bmp",
    "Point.bmp", "Pokeball1.bmp", "Pokeball3.bmp", "Pokeball5.bmp", "RadarBomb.bmp",
    "RadarButton.bmp", "RadarMarble.bmp", "SensuBean.bmp", "Shield.bmp", "ShiftingBlockA.bmp",
    "ShiftingBlockD.bmp", "ShiftingBlockL.bmp", "ShiftingBlockR.bmp", "ShiftingBlockU.bmp",
    "ShiftingBlockH.bmp", "ShiftingBlockV.bmp", "Shoot1.bmp", "Shoot2.bmp", "Shoot3.bmp",
    "SlidingDoorButton.bmp", "SpikesD.bmp", "SpikesL.bmp", "SpikesR.bmp", "SpikesU.bmp",
    "SpikeTrap.bmp", "StairsDown.bmp", "StairsUp.bmp", "Star.bmp", "StartPoint.bmp",
    "SuperJump1.bmp", "SuperJump2.bmp", "ThreePoints.bmp", "TiedUpMushroom.bmp", "Trap.bmp",
    "Warp1W.bmp", "Warp1B.bmp", "Warp2W.bmp", "Warp2B.bmp", "Warp3W.bmp", "Warp3B.bmp",
    "Warp4W.bmp", "Warp4B.bmp", "Warp5W.bmp", "Warp5B.bmp", "Warp6W.bmp", "Warp6B.bmp",
    "Warp7W.bmp", "Warp7B.bmp", "Warp8W.bmp", "Warp8B.bmp", "Warp9W.bmp", "Warp9B.bmp",
    "Warp10W.bmp", "Warp10B.bmp", "Warp11W.bmp", "Warp11B.bmp", "Warp12W.bmp", "Warp12B.bmp",
    "Warp13W.bmp", "Warp13B.bmp", "Warp14W.bmp", "Warp14B.bmp", "Warp15W.bmp", "Warp15B.bmp",
    "Warp16W.bmp", "Warp16B.bmp", "Warp17W.bmp", "Warp17B.bmp", "Warp18W.bmp", "Warp18B.bmp",
    "Warp19W.bmp", "Warp19B.bmp", "Warp20W.bmp", "Warp20B.bmp", "Water.bmp", "WaterU.bmp",
    "WaterR.bmp", "WaterL.bmp", "WaterD.bmp", "WaterSuit.bmp", "AntiCurrent.bmp", "Wrench.bmp",
    "X-Terminate.bmp",
};
// clang-format on

// The multi-variant types by variant count; every other type has a single picture.
const QMap<int, QList<int>> multiVariantTypes = {
    {2, {2, 7, 9, 59, 65}},
    {3, {19, 34, 35, 44, 51}},
    {4, {33, 39, 53}},
    {5, {64}},
    {6, {37, 41}},
    {7, {17, 50}},
    {22, {24}},
    {40, {63}},
};

// Each wall type's horizontal and vertical picture, in type order.
const std::pair<const char *, const char *> wallFileNames[] = {
    {"BlankWallH.bmp", "BlankWallV.bmp"},       {"WallH.bmp", "WallV.bmp"},
    {"BreakWallH.bmp", "BreakWallV.bmp"},       {"BombWallH.bmp", "BombWallV.bmp"},
    {"ElectricGateH.bmp", "ElectricGateV.bmp"},
};

// The names of the listed files of objects, or of walls, in catalogue order.
QStringList listedNames(bool objects)
{
    QStringList names;
    for (const catalogue::PictureFile &file : catalogue::pictureFiles()) {
        if ((file.place == catalogue::Cell) == objects)
            names << file.fileName;
    }
    return names;
}

} // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void typeCounts();
    void variantCounts_data();
    void variantCounts();
    void singlePictureTypes();
    void objectFilesInCatalogueOrder();
    void everyFileWithItsSlot();
    void namesAreDistinct();
    void paths();
    void particularEntries_data();
    void particularEntries();
    void warpPairs();
    void entriesInAlphabeticalOrder();
    void wallTable_data();
    void wallTable();
};

void TestCatalogue::typeCounts()
{
    QCOMPARE(catalogue::objectTypeCount, 67);
    QCOMPARE(catalogue::wallTypeCount, 5);

    int single = 0;
    int multi = 0;
    int files = 0;
    for (int type = 1; type <= catalogue::objectTypeCount; ++type) {
        (catalogue::variantCount(type) == 1 ? single : multi) += 1;
        files += catalogue::variantCount(type);
    }
    QCOMPARE(single, 47);
    QCOMPARE(multi, 20);
    QCOMPARE(files, 177);
}

void TestCatalogue::variantCounts_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<int>>("types");
    for (auto row = multiVariantTypes.cbegin(); row != multiVariantTypes.cend(); ++row)
        QTest::addRow("%d variants", row.key()) << row.key() << row.value();
}

// Exactly the listed types have this many variants, and each has a file for each variant and no
// more.
void TestCatalogue::variantCounts()
{
    QFETCH(int, count);
    QFETCH(QList<int>, types);

    QList<int> found;
    for (int type = 1; type <= 67; ++type) {
        if (catalogue::variantCount(type) == count)
            found << type;
    }
    QCOMPARE(found, types);
    for (int type : types) {
        QVERIFY(!catalogue::objectFile(type, count).isEmpty());
        QVERIFY(catalogue::objectFile(type, count + 1).isEmpty());
    }
}

void TestCatalogue::singlePictureTypes()
{
    QSet<int> multi;
    for (const QList<int> &types : multiVariantTypes)
        multi.unite(QSet<int>(types.cbegin(), types.cend()));

    int single = 0;
    for (int type = 1; type <= 67; ++type) {
        if (multi.contains(type))
            continue;
        ++single;
        QCOMPARE(catalogue::variantCount(type), 1);
        QVERIFY(catalogue::objectFile(type, 2).isEmpty());
    }
    QCOMPARE(single, 47);
}

void TestCatalogue::objectFilesInCatalogueOrder()
{
    QStringList designated;
    for (int type = 1; type <= catalogue::objectTypeCount; ++type) {
        for (int variant = 1; variant <= catalogue::variantCount(type); ++variant)
            designated << catalogue::objectFile(type, variant);
    }
    QCOMPARE(objectFileNames.size(), 177);
    QCOMPARE(designated, objectFileNames);
}

// Every file once, in catalogue order, with the type it belongs to and the size of its slot.
void TestCatalogue::everyFileWithItsSlot()
{
    QStringList expected;
    qsizetype next = 0;
    for (int type = 1; type <= 67; ++type) {
        int count = 1;
        for (auto row = multiVariantTypes.cbegin(); row != multiVariantTypes.cend(); ++row)
            count = row.value().contains(type) ? row.key() : count;
        for (const QString &name : objectFileNames.mid(next, count))
            expected << QStringLiteral("%1 object %2 32x32").arg(name).arg(type);
        next += count;
    }
    int type = 0;
    for (const auto &[horizontal, vertical] : wallFileNames) {
        ++type;
        expected << QStringLiteral("%1 horizontal wall %2 32x10").arg(horizontal).arg(type)
                 << QStringLiteral("%1 vertical wall %2 10x32").arg(vertical).arg(type);
    }
    QStringList listed;
    for (const catalogue::PictureFile &file : catalogue::pictureFiles()) {
        const char *family = file.place == catalogue::Cell             ? "object"
                             : file.place == catalogue::HorizontalWall ? "horizontal wall"
                                                                       : "vertical wall";
        listed << QStringLiteral("%1 %2 %3 %4x%5")
                      .arg(file.fileName, QLatin1String(family))
                      .arg(file.type)
                      .arg(file.size.width())
                      .arg(file.size.height());
    }
    QCOMPARE(listed, expected);
}

void TestCatalogue::namesAreDistinct()
{
    const QStringList objects = listedNames(true);
    const QStringList walls = listedNames(false);
    const QStringList all = objects + walls;
    QCOMPARE(all.size(), 187);

    QSet<QString> seen;
    QSet<QString> seenIgnoringCase;
    for (const QString &name : all) {
        QVERIFY2(!seen.contains(name), qPrintable(name + QStringLiteral(" occurs twice")));
        QVERIFY2(!seenIgnoringCase.contains(name.toLower()),
                 qPrintable(name + QStringLiteral(" differs from another name only in case")));
        seen.insert(name);
        seenIgnoringCase.insert(name.toLower());
    }
    const QSet<QString> objectSet(objects.cbegin(), objects.cend());
    const QSet<QString> wallSet(walls.cbegin(), walls.cend());
    QVERIFY(!objectSet.intersects(wallSet));
}

// Each name is of letters, digits and the one hyphen, ending in ".bmp"; its path is the folder
// followed directly by the name.
void TestCatalogue::paths()
{
    const QRegularExpression nameForm(QStringLiteral("^[A-Za-z0-9-]+\\.bmp$"));
    QStringList withHyphen;
    QStringList withLeadingDigit;
    for (const QString &name : listedNames(true) + listedNames(false)) {
        QVERIFY2(nameForm.match(name).hasMatch(), qPrintable(name));
        QCOMPARE(catalogue::picturePath(name), folder + name);
        if (name.contains(QLatin1Char('-')))
            withHyphen << name;
        if (name.front().isDigit())
            withLeadingDigit << name;
    }
    QCOMPARE(withHyphen, QStringList{QStringLiteral("X-Terminate.bmp")});
    QCOMPARE(withLeadingDigit, QStringList{QStringLiteral("1UpMushroom.bmp")});
}

void TestCatalogue::particularEntries_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("variants");
    QTest::addColumn<int>("variant");
    QTest::addColumn<QString>("file");

    struct Row
    {
        int type, variants, variant;
        const char *file;
    };
    // clang-format off
    const Row rows[] = {
        {1, 1, 1, "1UpMushroom.bmp"},     {2, 2, 1, "AngleL.bmp"},
        {2, 2, 2, "AngleR.bmp"},          {7, 2, 1, "Bomb1.bmp"},
        {7, 2, 2, "Bomb3.bmp"},           {9, 2, 2, "BridgeV.bmp"},
        {24, 22, 1, "GoD.bmp"},           {24, 22, 5, "GoDL.bmp"},
        {24, 22, 9, "GoH.bmp"},           {24, 22, 15, "GoDS.bmp"},
        {24, 22, 22, "GoUUU.bmp"},        {34, 3, 3, "KeyRed.bmp"},
        {35, 3, 1, "KeyDoorBlue.bmp"},    {37, 6, 4, "LaserU.bmp"},
        {37, 6, 6, "LaserV.bmp"},         {39, 4, 4, "MarbleButtonU.bmp"},
        {41, 6, 5, "MotionLaserH.bmp"},   {44, 3, 2, "Pokeball3.bmp"},
        {44, 3, 3, "Pokeball5.bmp"},      {50, 7, 1, "ShiftingBlockA.bmp"},
        {50, 7, 7, "ShiftingBlockV.bmp"}, {53, 4, 1, "SpikesD.bmp"},
        {54, 1, 1, "SpikeTrap.bmp"},      {63, 40, 1, "Warp1W.bmp"},
        {63, 40, 2, "Warp1B.bmp"},        {63, 40, 30, "Warp15B.bmp"},
        {63, 40, 39, "Warp20W.bmp"},      {63, 40, 40, "Warp20B.bmp"},
        {64, 5, 1, "Water.bmp"},          {64, 5, 2, "WaterU.bmp"},
        {64, 5, 5, "WaterD.bmp"},         {65, 2, 1, "WaterSuit.bmp"},
        {65, 2, 2, "AntiCurrent.bmp"},    {66, 1, 1, "Wrench.bmp"},
        {67, 1, 1, "X-Terminate.bmp"},
        // Numbers that designate no entry.
        {0, 0, 1, ""},                    {68, 0, 1, ""},
        {1, 1, 0, ""},                    {1, 1, 2, ""},
        {2, 2, 3, ""},                    {63, 40, 41, ""},
    };
    // clang-format on
    for (const Row &row : rows)
        QTest::addRow("%d/%d %s", row.type, row.variant, row.file)
            << row.type << row.variants << row.variant << QString::fromLatin1(row.file);
}

void TestCatalogue::particularEntries()
{
    QFETCH(int, type);
    QFETCH(int, variants);
    QFETCH(int, variant);
    QFETCH(QString, file);

    QCOMPARE(catalogue::variantCount(type), variants);
    QCOMPARE(catalogue::objectFile(type, variant), file);
}

// Type 63: variant 2k - 1 is the W file of number k, variant 2k its B file.
void TestCatalogue::warpPairs()
{
    for (int k = 1; k <= 20; ++k) {
        QCOMPARE(catalogue::objectFile(63, 2 * k - 1), QStringLiteral("Warp%1W.bmp").arg(k));
        QCOMPARE(catalogue::objectFile(63, 2 * k), QStringLiteral("Warp%1B.bmp").arg(k));
    }
}

// The types stand in ascending order of their first file name, letter case ignored and digits
// before letters.
void TestCatalogue::entriesInAlphabeticalOrder()
{
    auto key = [](int type) { return catalogue::objectFile(type, 1).chopped(4).toLower(); };
    for (int type = 1; type < 67; ++type)
        QVERIFY2(key(type) < key(type + 1),
                 qPrintable(QStringLiteral("type %1 (%2) before type %3 (%4)")
                                .arg(type)
                                .arg(catalogue::objectFile(type, 1))
                                .arg(type + 1)
                                .arg(catalogue::objectFile(type + 1, 1))));

    QCOMPARE(catalogue::objectFile(1, 1), QStringLiteral("1UpMushroom.bmp"));
    QCOMPARE(catalogue::objectFile(53, 1), QStringLiteral("SpikesD.bmp"));
    QCOMPARE(catalogue::objectFile(54, 1), QStringLiteral("SpikeTrap.bmp"));
    QCOMPARE(catalogue::objectFile(65, 1), QStringLiteral("WaterSuit.bmp"));
}

void TestCatalogue::wallTable_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("horizontal");
    QTest::addColumn<QString>("vertical");
    int type = 0;
    for (const auto &[horizontal, vertical] : wallFileNames) {
        ++type;
        QTest::addRow("wall %d", type)
            << type << QString::fromLatin1(horizontal) << QString::fromLatin1(vertical);
    }
    QTest::newRow("no wall 0") << 0 << QString() << QString();
    QTest::newRow("no wall 6") << 6 << QString() << QString();
}

void TestCatalogue::wallTable()
{
    QFETCH(int, type);
    QFETCH(QString, horizontal);
    QFETCH(QString, vertical);

    QCOMPARE(catalogue::wallFile(type, catalogue::HorizontalWall), horizontal);
    QCOMPARE(catalogue::wallFile(type, catalogue::VerticalWall), vertical);
}

QTEST_APPLESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
