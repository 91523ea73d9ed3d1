// The selection routine driven through the editor window's own handlers, with a picture loader
// that records every path it is asked for. Each load returns a new picture whose colour tells which
// load made it, so a test sees which file every image shows and in what order the loads came.

#include "app/form1.h"
#include "catalogue/catalogue.h"
#include "support/recordingloader.h"
#include "support/windowimages.h"
#include "toolkit/image.h"
#include "toolkit/selector.h"

#include <QtTest>
#include <memory>

namespace {

const QString folder = QStringLiteral("c:/My Documents/pardovine/");

using support::loadShownBy;
using support::Pictures;

QStringList paths(const QStringList &fileNames)
{
    QStringList result;
    for (const QString &name : fileNames)
        result << folder + name;
    return result;
}

// Min, Max, Value and Enabled, in this order.
QList<int> stateOf(const toolkit::Selector *selector)
{
    return {selector->Min(), selector->Max(), selector->Value(), selector->Enabled() ? 1 : 0};
}

// The variant selector as the window's design leaves it: the toolkit's default range and value,
// disabled.
const QList<int> designVariantState = {0, 32767, 0, 0};

} // namespace

class TestObjectChange : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void objectSelection_data();
    void objectSelection();
    void nestedLoadComesFirst();
    void everyObjectPicture();
    void cellClick_data();
    void cellClick();
    void typeWithoutEntry_data();
    void typeWithoutEntry();
    void kindWithoutBranch_data();
    void kindWithoutBranch();
    void wallSelection_data();
    void wallSelection();
    void wallValueWithoutEntry_data();
    void wallValueWithoutEntry();
    void failedLoad_data();
    void failedLoad();

private:
    toolkit::Selector *selector(const QString &name) const;
    // "ObjScrollH 24" sets a selector's value as the program does; "Piece 37" clicks a board
    // element with the mouse.
    void act(const QString &step);
    void countChanges(toolkit::Selector *selector);
    QMap<QString, QList<int>> selectorStates() const;

    support::RecordingLoader m_loader;
    std::unique_ptr<app::Form1> m_form;
    QMap<QString, int> m_changes;
    QStringList m_reports;
};

void TestObjectChange::init()
{
    m_loader.reads.clear();
    m_loader.failing.clear();
    m_loader.empty.clear();
    m_reports.clear();
    m_changes.clear();
    m_form = std::make_unique<app::Form1>(m_loader, app::Form1::Reports::SignalOnly);
    connect(m_form.get(), &app::Form1::failed, this,
            [this](const QString &message) { m_reports << message; });
    for (toolkit::Selector *selector :
         {m_form->ObjScrollH, m_form->ObjScrollV, m_form->WallScrollH, m_form->WallScrollV})
        countChanges(selector);
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
}

void TestObjectChange::cleanup()
{
    m_form.reset();
}

toolkit::Selector *TestObjectChange::selector(const QString &name) const
{
    auto *found = m_form->findChild<toolkit::Selector *>(name);
    if (!found)
        qFatal("no selector %s", qPrintable(name));
    return found;
}

void TestObjectChange::act(const QString &step)
{
    const QString name = step.section(QLatin1Char(' '), 0, 0);
    const int number = step.section(QLatin1Char(' '), 1, 1).toInt();
    if (name.contains(QLatin1String("Scroll")))
        selector(name)->setValue(static_cast<qint16>(number));
    else
        support::clickImage(support::boardArray(*m_form, name).element(number));
}

// Counts how often the selector signals a change, by its name.
void TestObjectChange::countChanges(toolkit::Selector *selector)
{
    connect(selector, &toolkit::Selector::changed, this,
            [this, selector] { ++m_changes[selector->objectName()]; });
}

QMap<QString, QList<int>> TestObjectChange::selectorStates() const
{
    QMap<QString, QList<int>> states;
    for (const toolkit::Selector *selector : m_form->findChildren<toolkit::Selector *>())
        states.insert(selector->objectName(), stateOf(selector));
    return states;
}

void TestObjectChange::objectSelection_data()
{
    QTest::addColumn<QStringList>("setup");
    QTest::addColumn<QString>("step");
    QTest::addColumn<QStringList>("reads");
    QTest::addColumn<QList<int>>("variantState");
    QTest::addColumn<int>("variantChanges");

    QTest::newRow("start, type 2")
        << QStringList{} << "ObjScrollH 2" << QStringList{"AngleL.bmp", "AngleL.bmp"}
        << QList<int>{1, 2, 1, 1} << 1;
    QTest::newRow("start, type 24")
        << QStringList{} << "ObjScrollH 24" << QStringList{"GoD.bmp", "GoD.bmp"}
        << QList<int>{1, 22, 1, 1} << 1;
    QTest::newRow("type 37 at 4, type 39")
        << QStringList{"ObjScrollH 37", "ObjScrollV 4"} << "ObjScrollH 39"
        << QStringList{"MarbleButtonU.bmp"} << QList<int>{1, 4, 4, 1} << 0;
    QTest::newRow("type 37 at 6, type 2")
        << QStringList{"ObjScrollH 37", "ObjScrollV 6"} << "ObjScrollH 2"
        << QStringList{"AngleL.bmp", "AngleL.bmp"} << QList<int>{1, 2, 1, 1} << 1;
    QTest::newRow("type 63 at 30, type 1")
        << QStringList{"ObjScrollH 63", "ObjScrollV 30"} << "ObjScrollH 1"
        << QStringList{"1UpMushroom.bmp"} << QList<int>{1, 40, 30, 0} << 0;
    QTest::newRow("type 63 at 30, type 1, type 63")
        << QStringList{"ObjScrollH 63", "ObjScrollV 30", "ObjScrollH 1"} << "ObjScrollH 63"
        << QStringList{"Warp1W.bmp", "Warp1W.bmp"} << QList<int>{1, 40, 1, 1} << 1;
    QTest::newRow("type 7 at 2, type 63")
        << QStringList{"ObjScrollH 7", "ObjScrollV 2"} << "ObjScrollH 63"
        << QStringList{"Warp1B.bmp"} << QList<int>{1, 40, 2, 1} << 0;
    QTest::newRow("type 64 at 5, type 65")
        << QStringList{"ObjScrollH 64", "ObjScrollV 5"} << "ObjScrollH 65"
        << QStringList{"WaterSuit.bmp", "WaterSuit.bmp"} << QList<int>{1, 2, 1, 1} << 1;
    QTest::newRow("type 24, variant 9") << QStringList{"ObjScrollH 24"} << "ObjScrollV 9"
                                        << QStringList{"GoH.bmp"} << QList<int>{1, 22, 9, 1} << 1;
    QTest::newRow("type 63, variant 39")
        << QStringList{"ObjScrollH 63"} << "ObjScrollV 39" << QStringList{"Warp20W.bmp"}
        << QList<int>{1, 40, 39, 1} << 1;
    QTest::newRow("type 65, variant 2")
        << QStringList{"ObjScrollH 65"} << "ObjScrollV 2" << QStringList{"AntiCurrent.bmp"}
        << QList<int>{1, 2, 2, 1} << 1;
    QTest::newRow("type 24 at 5, type 67")
        << QStringList{"ObjScrollH 24", "ObjScrollV 5"} << "ObjScrollH 67"
        << QStringList{"X-Terminate.bmp"} << QList<int>{1, 22, 5, 0} << 0;
}

// A change of the type or variant selector: the files read, in order, the variant selector left
// in line with the type, and the sample showing the file of the last load.
void TestObjectChange::objectSelection()
{
    QFETCH(QStringList, setup);
    QFETCH(QString, step);
    QFETCH(QStringList, reads);
    QFETCH(QList<int>, variantState);
    QFETCH(int, variantChanges);

    for (const QString &earlier : setup)
        act(earlier);
    const qint16 type = m_form->ObjScrollH->Value();
    m_loader.reads.clear();
    m_changes.clear();

    act(step);

    QCOMPARE(m_loader.reads, paths(reads));
    QCOMPARE(stateOf(m_form->ObjScrollV), variantState);
    QCOMPARE(m_changes.value(QStringLiteral("ObjScrollV")), variantChanges);
    if (step.startsWith(QLatin1String("ObjScrollV")))
        QCOMPARE(m_form->ObjScrollH->Value(), type);
    QCOMPARE(loadShownBy(m_form->ObjSample), static_cast<int>(reads.size()) - 1);
    QVERIFY(m_reports.isEmpty());
}

// When the routine itself brings the variant selector into line, its change handler loads the
// sample before the routine goes on to load the outer target. The type selector's handler is
// taken off so that a cell click meets a type the variant selector is not yet in line with.
void TestObjectChange::nestedLoadComesFirst()
{
    QObject::disconnect(m_form->ObjScrollH, &toolkit::Selector::changed, m_form.get(), nullptr);
    m_form->ObjScrollH->setValue(2);
    QVERIFY(m_loader.reads.isEmpty());

    act(QStringLiteral("Piece 7"));

    QCOMPARE(m_loader.reads, paths({"AngleL.bmp", "AngleL.bmp"}));
    QCOMPARE(loadShownBy(m_form->ObjSample), 0);
    QCOMPARE(loadShownBy(m_form->Piece.element(7)), 1);
    QCOMPARE(stateOf(m_form->ObjScrollV), (QList<int>{1, 2, 1, 1}));
}

// Every type and every variant, chosen in turn, puts its own catalogue file into the sample.
void TestObjectChange::everyObjectPicture()
{
    int entries = 0;
    m_form->ObjScrollH->setValue(0); // off type 1, so that choosing it is a change
    for (int type = 1; type <= catalogue::objectTypeCount; ++type) {
        const int count = catalogue::variantCount(type);
        m_form->ObjScrollH->setValue(static_cast<qint16>(type));
        for (int variant = 1; variant <= count; ++variant) {
            if (count > 1)
                m_form->ObjScrollV->setValue(static_cast<qint16>(variant));
            QVERIFY(!m_loader.reads.isEmpty());
            QCOMPARE(m_loader.reads.last(), folder + catalogue::objectFile(type, variant));
            QCOMPARE(loadShownBy(m_form->ObjSample), static_cast<int>(m_loader.reads.size()) - 1);
            QCOMPARE(m_form->ObjScrollV->Enabled(), count > 1);
            ++entries;
        }
    }
    QCOMPARE(entries, 177);
    QVERIFY(m_reports.isEmpty());
}

void TestObjectChange::cellClick_data()
{
    QTest::addColumn<QStringList>("setup");
    QTest::addColumn<int>("cell");
    QTest::addColumn<QString>("file");

    QTest::newRow("right after start") << QStringList{} << 0 << "1UpMushroom.bmp";
    QTest::newRow("type 24 at 9") << QStringList{"ObjScrollH 24", "ObjScrollV 9"} << 55
                                  << "GoH.bmp";
    QTest::newRow("type 63 at 40")
        << QStringList{"ObjScrollH 63", "ObjScrollV 40"} << 99 << "Warp20B.bmp";
    QTest::newRow("type 7 at 2") << QStringList{"ObjScrollH 7", "ObjScrollV 2"} << 37
                                 << "Bomb3.bmp";
    QTest::newRow("type 64 at 5") << QStringList{"ObjScrollH 64", "ObjScrollV 5"} << 10
                                  << "WaterD.bmp";
    QTest::newRow("type 67") << QStringList{"ObjScrollH 67"} << 9 << "X-Terminate.bmp";
}

// A click reads the selected file once more and changes nothing but the clicked cell: no selector
// moves, no change handler runs.
void TestObjectChange::cellClick()
{
    QFETCH(QStringList, setup);
    QFETCH(int, cell);
    QFETCH(QString, file);

    for (const QString &earlier : setup)
        act(earlier);
    if (!setup.isEmpty())
        QCOMPARE(m_loader.fileShownBy(m_form->ObjSample), file);
    const QMap<QString, QList<int>> selectors = selectorStates();
    const Pictures pictures = support::picturesOf(*m_form);
    const int readsBefore = static_cast<int>(m_loader.reads.size());
    m_changes.clear();

    act(QStringLiteral("Piece %1").arg(cell));

    QCOMPARE(m_loader.reads.mid(readsBefore), paths({file}));
    QCOMPARE(loadShownBy(m_form->Piece.element(cell)), readsBefore);
    QCOMPARE(selectorStates(), selectors);
    QVERIFY(m_changes.isEmpty());
    const auto changed = support::changedImages(pictures, support::picturesOf(*m_form)).size();
    QCOMPARE(changed, 1);
    if (setup.isEmpty())
        QCOMPARE(stateOf(m_form->ObjScrollV), designVariantState);
}

void TestObjectChange::typeWithoutEntry_data()
{
    QTest::addColumn<int>("type");
    QTest::newRow("0") << 0;
    QTest::newRow("68") << 68;
    QTest::newRow("-1") << -1;
    QTest::newRow("32767") << 32767;
}

// A type number outside 1..67 selects nothing: the sample, the cells and the variant selector stay
// as they were, without an error.
void TestObjectChange::typeWithoutEntry()
{
    QFETCH(int, type);

    act(QStringLiteral("ObjScrollH 24"));
    act(QStringLiteral("ObjScrollV 5"));
    const QList<int> variants = stateOf(m_form->ObjScrollV);
    const Pictures pictures = support::picturesOf(*m_form);
    m_loader.reads.clear();
    m_changes.clear();

    act(QStringLiteral("ObjScrollH %1").arg(type));
    act(QStringLiteral("Piece 42"));

    QVERIFY(m_loader.reads.isEmpty());
    QCOMPARE(stateOf(m_form->ObjScrollV), variants);
    QCOMPARE(support::picturesOf(*m_form), pictures);
    QCOMPARE(m_changes.value(QStringLiteral("ObjScrollV")), 0);
    QVERIFY(m_reports.isEmpty());
}

void TestObjectChange::kindWithoutBranch_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("0") << 0;
    QTest::newRow("4") << 4;
    QTest::newRow("-1") << -1;
}

// A selection kind other than 1, 2 and 3 touches none of the arguments: null arguments are not
// even looked at, and with the real controls nothing changes.
void TestObjectChange::kindWithoutBranch()
{
    QFETCH(int, kind);
    const auto statement = static_cast<qint16>(kind);

    m_form->objectChange(nullptr, nullptr, nullptr, statement);

    act(QStringLiteral("ObjScrollH 24"));
    const Pictures pictures = support::picturesOf(*m_form);
    const QMap<QString, QList<int>> selectors = selectorStates();
    m_loader.reads.clear();
    m_changes.clear();

    m_form->objectChange(m_form->ObjSample, m_form->ObjScrollH, m_form->ObjScrollV, statement);
    m_form->objectChange(m_form->HWall.element(3), m_form->WallScrollH, nullptr, statement);
    m_form->objectChange(m_form->VWall.element(3), m_form->WallScrollV, nullptr, statement);

    QVERIFY(m_loader.reads.isEmpty());
    QCOMPARE(support::picturesOf(*m_form), pictures);
    QCOMPARE(selectorStates(), selectors);
    QVERIFY(m_changes.isEmpty());
}

void TestObjectChange::wallSelection_data()
{
    QTest::addColumn<QString>("wallSelector");
    QTest::addColumn<QString>("wallSlots");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("file");

    const char *horizontal[] = {"BlankWallH.bmp", "WallH.bmp", "BreakWallH.bmp", "BombWallH.bmp",
                                "ElectricGateH.bmp"};
    const char *vertical[] = {"BlankWallV.bmp", "WallV.bmp", "BreakWallV.bmp", "BombWallV.bmp",
                              "ElectricGateV.bmp"};
    for (int type = 1; type <= 5; ++type) {
        QTest::addRow("horizontal %d", type)
            << "WallScrollH"
            << "HWall" << type << QString::fromLatin1(horizontal[type - 1]);
        QTest::addRow("vertical %d", type)
            << "WallScrollV"
            << "VWall" << type << QString::fromLatin1(vertical[type - 1]);
    }
}

// A wall selector change fills its sample, a click fills the slot, each with a read of its own;
// the third argument makes no difference and no selector changes.
void TestObjectChange::wallSelection()
{
    QFETCH(QString, wallSelector);
    QFETCH(QString, wallSlots);
    QFETCH(int, type);
    QFETCH(QString, file);

    toolkit::Selector *walls = selector(wallSelector);
    toolkit::Image *sample =
        wallSelector.endsWith(QLatin1Char('H')) ? m_form->WallSampleH : m_form->WallSampleV;
    const qint16 kind = wallSelector.endsWith(QLatin1Char('H')) ? catalogue::HorizontalWall
                                                                : catalogue::VerticalWall;
    toolkit::ControlArray &slotArray = support::boardArray(*m_form, wallSlots);
    act(wallSelector + QStringLiteral(" 0")); // away from the design value, loading nothing
    QMap<QString, QList<int>> selectors = selectorStates();
    selectors[wallSelector][2] = type; // the one value the test itself sets
    m_changes.clear();

    act(QStringLiteral("%1 %2").arg(wallSelector).arg(type));
    act(QStringLiteral("%1 37").arg(wallSlots));
    m_form->objectChange(slotArray.element(5), walls, nullptr, kind);
    m_form->objectChange(slotArray.element(6), walls, walls, kind);

    QCOMPARE(m_loader.reads, paths({file, file, file, file}));
    QCOMPARE(loadShownBy(sample), 0);
    QCOMPARE(loadShownBy(slotArray.element(37)), 1);
    QCOMPARE(loadShownBy(slotArray.element(5)), 2);
    QCOMPARE(loadShownBy(slotArray.element(6)), 3);
    QCOMPARE(m_changes, (QMap<QString, int>{{wallSelector, 1}}));
    QCOMPARE(selectorStates(), selectors);
}

void TestObjectChange::wallValueWithoutEntry_data()
{
    QTest::addColumn<QString>("wallSelector");
    QTest::addColumn<QString>("wallSlots");
    QTest::addColumn<int>("value");
    for (int value : {0, 6, -1}) {
        QTest::addRow("horizontal %d", value) << "WallScrollH"
                                              << "HWall" << value;
        QTest::addRow("vertical %d", value) << "WallScrollV"
                                            << "VWall" << value;
    }
}

void TestObjectChange::wallValueWithoutEntry()
{
    QFETCH(QString, wallSelector);
    QFETCH(QString, wallSlots);
    QFETCH(int, value);

    act(wallSelector + QStringLiteral(" 2"));
    act(wallSlots + QStringLiteral(" 20"));
    const Pictures pictures = support::picturesOf(*m_form);
    m_loader.reads.clear();

    act(QStringLiteral("%1 %2").arg(wallSelector).arg(value));
    act(wallSlots + QStringLiteral(" 20"));
    act(wallSlots + QStringLiteral(" 21"));

    QVERIFY(m_loader.reads.isEmpty());
    QCOMPARE(support::picturesOf(*m_form), pictures);
    QVERIFY(m_reports.isEmpty());
}

void TestObjectChange::failedLoad_data()
{
    QTest::addColumn<QStringList>("setup");
    QTest::addColumn<QString>("failing");
    QTest::addColumn<QString>("step");
    QTest::addColumn<int>("reads");
    QTest::addColumn<QList<int>>("variantState");
    QTest::addColumn<bool>("empty"); // the loader gives an empty picture instead of failing

    // Single picture: the failure comes before the variant selector is disabled.
    QTest::newRow("type 24 at 5, type 1")
        << QStringList{"ObjScrollH 24", "ObjScrollV 5"} << "1UpMushroom.bmp"
        << "ObjScrollH 1" << 1 << QList<int>{1, 22, 5, 1} << false;
    // The new range, value and enabled state are written before the load, and stay. The nested
    // load fails, and the outer call ends at the write that raised it: nothing more is loaded.
    QTest::newRow("start, type 2") << QStringList{} << "AngleL.bmp"
                                   << "ObjScrollH 2" << 1 << QList<int>{1, 2, 1, 1} << false;
    QTest::newRow("type 37 at 6, type 2")
        << QStringList{"ObjScrollH 37", "ObjScrollV 6"} << "AngleL.bmp"
        << "ObjScrollH 2" << 1 << QList<int>{1, 2, 1, 1} << false;
    QTest::newRow("type 24, variant 9") << QStringList{"ObjScrollH 24"} << "GoH.bmp"
                                        << "ObjScrollV 9" << 1 << QList<int>{1, 22, 9, 1} << false;
    QTest::newRow("cell click") << QStringList{"ObjScrollH 24", "ObjScrollV 9"} << "GoH.bmp"
                                << "Piece 12" << 1 << QList<int>{1, 22, 9, 1} << false;
    QTest::newRow("cell click after start") << QStringList{} << "1UpMushroom.bmp"
                                            << "Piece 0" << 1 << designVariantState << false;
    QTest::newRow("horizontal wall") << QStringList{} << "BreakWallH.bmp"
                                     << "WallScrollH 3" << 1 << designVariantState << false;
    QTest::newRow("vertical slot") << QStringList{"WallScrollV 5"} << "ElectricGateV.bmp"
                                   << "VWall 89" << 1 << designVariantState << false;
    QTest::newRow("cell click, empty picture")
        << QStringList{"ObjScrollH 24", "ObjScrollV 9"} << "GoH.bmp"
        << "Piece 12" << 1 << QList<int>{1, 22, 9, 1} << true;
}

// A picture that cannot be loaded is reported once, naming its path, and ends the whole action at
// that step: no image changes, what was written before stays, and the editor goes on.
void TestObjectChange::failedLoad()
{
    QFETCH(QStringList, setup);
    QFETCH(QString, failing);
    QFETCH(QString, step);
    QFETCH(int, reads);
    QFETCH(QList<int>, variantState);
    QFETCH(bool, empty);

    for (const QString &earlier : setup)
        act(earlier);
    const Pictures pictures = support::picturesOf(*m_form);
    m_loader.reads.clear();
    (empty ? m_loader.empty : m_loader.failing) = QStringList{folder + failing};

    act(step);

    QCOMPARE(m_loader.reads, QStringList(reads, folder + failing));
    QCOMPARE(m_reports.size(), 1);
    QVERIFY2(m_reports.front().contains(folder + failing), qPrintable(m_reports.front()));
    QCOMPARE(support::picturesOf(*m_form), pictures);
    QCOMPARE(stateOf(m_form->ObjScrollV), variantState);

    // The editor goes on: the next click places its picture.
    m_loader.failing.clear();
    m_loader.empty.clear();
    m_loader.reads.clear();
    act(QStringLiteral("Piece 50"));
    QVERIFY(loadShownBy(m_form->Piece.element(50)) >= 0);
}

QTEST_MAIN(TestObjectChange)
#include "tst_objectchange.moc"
