// The editing commands end to end, with real picture files: every tile picture is written as a
// one-colour 24-bit bitmap into the documents folder of a temporary home, and the window is driven
// by real clicks, key presses and its menu command.

#include "app/form1.h"
#include "catalogue/pictureloader.h"
#include "support/recordingloader.h"
#include "support/standinfolder.h"
#include "support/windowimages.h"
#include "support/windowlayout.h"
#include "toolkit/image.h"
#include "toolkit/selector.h"

#include <QFile>
#include <QMenuBar>
#include <QScrollBar>
#include <QtTest>
#include <memory>
#include <optional>
#include <sys/stat.h>

namespace {

const QString catalogueFolder = QStringLiteral("c:/My Documents/pardovine/");
using layout::Family;
using layout::white;
using support::Pictures;
using support::picturesOf;

// The colour of a picture that has one colour only, else 0 (no written picture is black).
QRgb uniformColour(const QPixmap &pixmap)
{
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_RGB32);
    if (image.isNull())
        return 0;
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != first)
                return 0;
        }
    }
    return first;
}

QRgb colourShown(const toolkit::Image *image)
{
    return uniformColour(image->Picture());
}

// What the image looks like on screen, at the size it has there.
QImage onScreen(toolkit::Image *image)
{
    return support::shownImage(image).convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestEditing : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void picturesComeFromTheHomeDocumentsFolder();
    void typicalRoad();
    void everyClickReadsTheFile();
    void deletedFileAfterItWasShown();
    void folderAbsent();
    void ignoredClicks();
    void wallSlotsKeepTheirOrientation_data();
    void wallSlotsKeepTheirOrientation();
    void wallSelectorChangesOnlyItsSample();
    void placingChangesOnlyThatCell_data();
    void placingChangesOnlyThatCell();
    void pictureSizes();
    void otherPictureSizes();
    void failedLoad_data();
    void failedLoad();
    void failureInsideTheNestedCall();
    void clearMaze();
    void clearMazeTwice();
    void clearMazeKeepsTheProgramRunning();

private:
    QString fileOf(const QString &name) const { return m_pictures.filePath(name); }
    QRgb colourOf(const QString &name) const { return m_pictures.colour(name); }
    void click(toolkit::Image *image);
    app::Form1 *openWindow();
    void watchReports(app::Form1 *form);
    app::Form1 *clearMazeOn(app::Form1 *form);

    support::StandInFolder m_pictures;
    std::optional<catalogue::FilePictureLoader> m_files;
    std::optional<support::RecordingLoader> m_loader;
    QPointer<app::Form1> m_form;
    QList<QPointer<app::Form1>> m_successors;
    QStringList m_reports;
};

// HOME decides where the documents folder is, as long as no XDG setting says otherwise; it is
// set before the loader looks the folder up.
void TestEditing::initTestCase()
{
    QVERIFY(m_pictures.isValid());
    qputenv("HOME", QFile::encodeName(m_pictures.home()));
    qunsetenv("XDG_CONFIG_HOME");
    qunsetenv("XDG_DOCUMENTS_DIR");
    m_files.emplace();
    m_loader.emplace(*m_files);
}

void TestEditing::init()
{
    QVERIFY(m_pictures.writeAll());
    m_form = openWindow();
    QVERIFY(QTest::qWaitForWindowExposed(m_form));
    m_loader->reads.clear();
    m_reports.clear();
}

void TestEditing::cleanup()
{
    delete m_form;
    for (const QPointer<app::Form1> &successor : std::as_const(m_successors))
        delete successor;
    m_successors.clear();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestEditing::click(toolkit::Image *image)
{
    QVERIFY(image);
    support::clickImage(image);
}

// Opens a window from the design whose reports the test collects.
app::Form1 *TestEditing::openWindow()
{
    app::Form1 *form = app::Form1::open(*m_loader, app::Form1::Reports::SignalOnly);
    watchReports(form);
    return form;
}

void TestEditing::watchReports(app::Form1 *form)
{
    connect(form, &app::Form1::failed, this,
            [this](const QString &message) { m_reports << message; });
}

// Chooses "Clear Maze" and returns the window that replaces `form`.
app::Form1 *TestEditing::clearMazeOn(app::Form1 *form)
{
    QSignalSpy replaced(form, &app::Form1::replaced);
    form->mnuClear->trigger();
    if (replaced.size() != 1)
        return nullptr;
    auto *successor = replaced.at(0).at(0).value<app::Form1 *>();
    watchReports(successor);
    m_successors << successor;
    return successor;
}

void TestEditing::picturesComeFromTheHomeDocumentsFolder()
{
    QCOMPARE(m_files->filePath(catalogueFolder + QStringLiteral("AngleL.bmp")),
             fileOf(QStringLiteral("AngleL.bmp")));
    QVERIFY(QFile::exists(fileOf(QStringLiteral("X-Terminate.bmp"))));
    QVERIFY(QFile::exists(fileOf(QStringLiteral("ElectricGateV.bmp"))));
}

// The user steps the type selector from 1 to 2, then clicks cell 37.
void TestEditing::typicalRoad()
{
    QTest::keyClick(m_form->ObjScrollH, Qt::Key_Right);

    QCOMPARE(m_form->ObjScrollH->Value(), 2);
    QCOMPARE(m_form->ObjScrollV->Min(), 1);
    QCOMPARE(m_form->ObjScrollV->Max(), 2);
    QCOMPARE(m_form->ObjScrollV->Value(), 1);
    QVERIFY(m_form->ObjScrollV->Enabled());
    QCOMPARE(colourShown(m_form->ObjSample), colourOf("AngleL.bmp"));

    m_loader->reads.clear();
    click(m_form->Piece.element(37));

    QCOMPARE(m_loader->reads, QStringList{catalogueFolder + "AngleL.bmp"});
    QCOMPARE(colourShown(m_form->Piece.element(37)), colourOf("AngleL.bmp"));
    QCOMPARE(m_form->Piece.element(37)->rect(), layout::elementRect(Family::Cell, 37));
    QCOMPARE(m_form->ObjScrollV->Value(), 1);
    QVERIFY(m_reports.isEmpty());
}

// A file replaced on disk between two clicks: the next click shows the new content, the cell
// filled before keeps the old one.
void TestEditing::everyClickReadsTheFile()
{
    const QString name = QStringLiteral("1UpMushroom.bmp");
    const QRgb before = colourOf(name);
    click(m_form->Piece.element(3));
    QVERIFY(m_pictures.write(name, qRgb(10, 20, 30), {32, 32}));
    click(m_form->Piece.element(4));

    QCOMPARE(colourShown(m_form->Piece.element(3)), before);
    QCOMPARE(colourShown(m_form->Piece.element(4)), qRgb(10, 20, 30));

    click(m_form->Piece.element(3));
    QCOMPARE(colourShown(m_form->Piece.element(3)), qRgb(10, 20, 30));
    QCOMPARE(m_loader->reads, QStringList(3, catalogueFolder + name));
}

void TestEditing::deletedFileAfterItWasShown()
{
    m_form->ObjScrollH->setValue(24);
    click(m_form->Piece.element(5));
    QVERIFY(QFile::remove(fileOf("GoD.bmp")));
    const Pictures pictures = picturesOf(*m_form);

    QCOMPARE(colourShown(m_form->ObjSample), colourOf("GoD.bmp"));
    QCOMPARE(colourShown(m_form->Piece.element(5)), colourOf("GoD.bmp"));
    QVERIFY(m_reports.isEmpty());

    click(m_form->Piece.element(6));

    QCOMPARE(m_reports.size(), 1);
    QVERIFY2(m_reports[0].contains(fileOf("GoD.bmp")), qPrintable(m_reports[0]));
    QVERIFY2(m_reports[0].contains("missing"), qPrintable(m_reports[0]));
    QCOMPARE(picturesOf(*m_form), pictures);

    // The editor goes on with the files that are there.
    m_form->ObjScrollV->setValue(2);
    QCOMPARE(colourShown(m_form->ObjSample), colourOf("GoL.bmp"));
}

// Without the documents folder the window opens complete and "Clear Maze" works; every selection
// reports the missing file with its path and changes no picture.
void TestEditing::folderAbsent()
{
    delete m_form;
    QVERIFY(QDir(m_pictures.documents()).removeRecursively());
    m_files.emplace(); // the program starts without the folder
    m_loader.emplace(*m_files);
    m_form = openWindow();
    QVERIFY(QTest::qWaitForWindowExposed(m_form));
    QCOMPARE(m_form->Piece.count() + m_form->HWall.count() + m_form->VWall.count() +
                 m_form->Corner.count(),
             361);
    QCOMPARE(colourShown(m_form->Piece.element(55)), white);

    app::Form1 *form = clearMazeOn(m_form);
    QVERIFY(form);
    QVERIFY(QTest::qWaitForWindowExposed(form));
    QVERIFY(m_loader->reads.isEmpty());
    const Pictures pictures = picturesOf(*form);

    QTest::keyClick(form->ObjScrollH, Qt::Key_Right);
    QVERIFY(!m_reports.isEmpty());
    for (const QString &report : std::as_const(m_reports)) {
        QVERIFY2(report.contains(fileOf("AngleL.bmp")), qPrintable(report));
        QVERIFY2(report.contains("missing"), qPrintable(report));
    }
    m_reports.clear();
    click(form->Piece.element(0));
    click(form->HWall.element(0));
    QTest::keyClick(form->WallScrollV, Qt::Key_Down);

    QCOMPARE(m_reports.size(), 3);
    QVERIFY(m_reports[0].contains(fileOf("AngleL.bmp")));
    QVERIFY(m_reports[1].contains(fileOf("BlankWallH.bmp")));
    QVERIFY(m_reports[2].contains(fileOf("WallV.bmp")));
    QCOMPARE(picturesOf(*form), pictures);
    QVERIFY(form->isVisible());
    QCOMPARE(form->Piece.count(), 100);
}

// Corner posts, the samples and the background take no click: nothing is read or changed.
void TestEditing::ignoredClicks()
{
    const Pictures pictures = picturesOf(*m_form);
    for (int i = 0; i < m_form->Corner.count(); ++i)
        click(m_form->Corner.element(i));
    click(m_form->ObjSample);
    click(m_form->WallSampleH);
    click(m_form->WallSampleV);
    QTest::mouseClick(m_form->centralWidget(), Qt::LeftButton, {}, QPoint(440, 200));

    QVERIFY(m_loader->reads.isEmpty());
    QCOMPARE(picturesOf(*m_form), pictures);
    QVERIFY(m_reports.isEmpty());
}

void TestEditing::wallSlotsKeepTheirOrientation_data()
{
    QTest::addColumn<int>("horizontalType");
    QTest::addColumn<int>("verticalType");
    QTest::addColumn<QString>("horizontal");
    QTest::addColumn<QString>("vertical");

    QTest::newRow("start") << 1 << 1 << "BlankWallH.bmp"
                           << "BlankWallV.bmp";
    QTest::newRow("2 and 4") << 2 << 4 << "WallH.bmp"
                             << "BombWallV.bmp";
    QTest::newRow("3 and 3") << 3 << 3 << "BreakWallH.bmp"
                             << "BreakWallV.bmp";
    QTest::newRow("4 and 2") << 4 << 2 << "BombWallH.bmp"
                             << "WallV.bmp";
    QTest::newRow("5 and 5") << 5 << 5 << "ElectricGateH.bmp"
                             << "ElectricGateV.bmp";
    QTest::newRow("5 and 1") << 5 << 1 << "ElectricGateH.bmp"
                             << "BlankWallV.bmp";
}

// A horizontal slot takes the horizontal picture of the horizontal wall selector, a vertical slot
// the vertical picture of the vertical one.
void TestEditing::wallSlotsKeepTheirOrientation()
{
    QFETCH(int, horizontalType);
    QFETCH(int, verticalType);
    QFETCH(QString, horizontal);
    QFETCH(QString, vertical);

    m_form->WallScrollH->setValue(static_cast<qint16>(horizontalType));
    m_form->WallScrollV->setValue(static_cast<qint16>(verticalType));
    click(m_form->HWall.element(37));
    click(m_form->VWall.element(37));

    QCOMPARE(colourShown(m_form->HWall.element(37)), colourOf(horizontal));
    QCOMPARE(m_form->HWall.element(37)->rect(), layout::elementRect(Family::HorizontalSlot, 37));
    QCOMPARE(colourShown(m_form->VWall.element(37)), colourOf(vertical));
    QCOMPARE(m_form->VWall.element(37)->rect(), layout::elementRect(Family::VerticalSlot, 37));
    if (horizontalType != 1)
        QCOMPARE(colourShown(m_form->WallSampleH), colourOf(horizontal));
    if (verticalType != 1)
        QCOMPARE(colourShown(m_form->WallSampleV), colourOf(vertical));
}

void TestEditing::wallSelectorChangesOnlyItsSample()
{
    m_form->WallScrollH->setValue(2);
    click(m_form->HWall.element(0));
    click(m_form->HWall.element(89));
    Pictures pictures = picturesOf(*m_form);

    QTest::keyClick(m_form->WallScrollH, Qt::Key_Right);

    QCOMPARE(m_form->WallScrollH->Value(), 3);
    QCOMPARE(colourShown(m_form->WallSampleH), colourOf("BreakWallH.bmp"));
    QCOMPARE(colourShown(m_form->HWall.element(0)), colourOf("WallH.bmp"));
    QCOMPARE(colourShown(m_form->HWall.element(89)), colourOf("WallH.bmp"));
    pictures[m_form->WallSampleH] = m_form->WallSampleH->Picture().cacheKey();
    QCOMPARE(picturesOf(*m_form), pictures);
}

void TestEditing::placingChangesOnlyThatCell_data()
{
    QTest::addColumn<int>("cell");
    QTest::addColumn<QPoint>("position");
    QTest::newRow("0") << 0 << QPoint(0, 0);
    QTest::newRow("9") << 9 << QPoint(378, 0);
    QTest::newRow("10") << 10 << QPoint(0, 42);
    QTest::newRow("37") << 37 << QPoint(294, 126);
    QTest::newRow("99") << 99 << QPoint(378, 378);
}

// Cell 0, the element the others were copied from, included.
void TestEditing::placingChangesOnlyThatCell()
{
    QFETCH(int, cell);
    QFETCH(QPoint, position);

    m_form->ObjScrollH->setValue(63);
    m_form->ObjScrollV->setValue(40);
    Pictures pictures = picturesOf(*m_form);
    toolkit::Image *target = m_form->Piece.element(cell);

    click(target);

    QCOMPARE(colourShown(target), colourOf("Warp20B.bmp"));
    QCOMPARE(target->rect().topLeft(), position);
    pictures[target] = target->Picture().cacheKey();
    QCOMPARE(picturesOf(*m_form), pictures);
    for (int i = 0; i < 100; ++i) {
        if (i != cell)
            QCOMPARE(colourShown(m_form->Piece.element(i)), white);
    }
}

// Pictures of the expected sizes: doubled in the samples, as they are on the board.
void TestEditing::pictureSizes()
{
    m_form->ObjScrollH->setValue(2);
    click(m_form->Piece.element(11));
    m_form->WallScrollH->setValue(4);
    click(m_form->HWall.element(11));

    const QImage sample = onScreen(m_form->ObjSample);
    QCOMPARE(sample.size(), layout::objSample.size());
    QCOMPARE(uniformColour(QPixmap::fromImage(sample)), colourOf("AngleL.bmp"));
    const QImage cell = onScreen(m_form->Piece.element(11));
    QCOMPARE(cell.size(), layout::familyLayout(Family::Cell).size);
    QCOMPARE(uniformColour(QPixmap::fromImage(cell)), colourOf("AngleL.bmp"));

    const QImage wallSample = onScreen(m_form->WallSampleH);
    QCOMPARE(wallSample.size(), layout::wallSampleH.size());
    QCOMPARE(uniformColour(QPixmap::fromImage(wallSample)), colourOf("BombWallH.bmp"));
    const QImage slot = onScreen(m_form->HWall.element(11));
    QCOMPARE(slot.size(), layout::familyLayout(Family::HorizontalSlot).size);
    QCOMPARE(uniformColour(QPixmap::fromImage(slot)), colourOf("BombWallH.bmp"));
}

// A picture of another size: a board image takes its size with its top-left corner where it was,
// a sample keeps its size.
void TestEditing::otherPictureSizes()
{
    QVERIFY(m_pictures.write(QStringLiteral("Bow.bmp"), qRgb(90, 60, 30), {40, 24}));
    QVERIFY(m_pictures.write(QStringLiteral("WallV.bmp"), qRgb(30, 60, 90), {6, 50}));

    m_form->ObjScrollH->setValue(8);
    click(m_form->Piece.element(37));
    m_form->WallScrollV->setValue(2);
    click(m_form->VWall.element(37));

    const QPoint cell = layout::elementRect(Family::Cell, 37).topLeft();
    const QPoint slot = layout::elementRect(Family::VerticalSlot, 37).topLeft();
    QCOMPARE(m_form->Piece.element(37)->rect(), QRect(cell, QSize(40, 24)));
    QCOMPARE(m_form->VWall.element(37)->rect(), QRect(slot, QSize(6, 50)));
    // The vertical slot to its right lies above the widened cell; the cell still paints all of it.
    QCOMPARE(support::renderedImage(m_form->Piece.element(37)).pixel(39, 23), qRgb(90, 60, 30));
    QCOMPARE(onScreen(m_form->Piece.element(37)).pixel(31, 23), qRgb(90, 60, 30));
    QCOMPARE(m_form->ObjSample->size(), layout::objSample.size());
    QCOMPARE(uniformColour(QPixmap::fromImage(onScreen(m_form->ObjSample))), qRgb(90, 60, 30));
    QCOMPARE(m_form->WallSampleV->size(), layout::wallSampleV.size());
    QCOMPARE(m_form->Piece.element(38)->rect(), layout::elementRect(Family::Cell, 38));
}

void TestEditing::failedLoad_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("cause");

    QTest::newRow("missing") << "delete"
                             << "missing";
    QTest::newRow("not a bitmap") << "text"
                                  << "not a picture";
    QTest::newRow("cut short") << "truncate"
                               << "not a picture";
    QTest::newRow("a folder") << "folder"
                              << "not a picture";
    QTest::newRow("unreadable") << "loop"
                                << "cannot be read";
}

// A picture that cannot be loaded is reported with its full path and the cause. The routine stops
// there: the target keeps its picture, what the routine wrote to the variant selector before the
// failure stays, and the editor goes on.
void TestEditing::failedLoad()
{
    QFETCH(QString, damage);
    QFETCH(QString, cause);

    m_form->ObjScrollH->setValue(24);
    m_form->ObjScrollV->setValue(9);
    click(m_form->Piece.element(20));
    const QString file = fileOf(QStringLiteral("MarbleButtonD.bmp"));
    QVERIFY(QFile::remove(file));
    if (damage == "text") {
        QFile text(file);
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("this is not a picture\n");
    } else if (damage == "truncate") {
        QVERIFY(m_pictures.write(QStringLiteral("MarbleButtonD.bmp"), qRgb(1, 2, 3), {32, 32}));
        QVERIFY(QFile::resize(file, 1000));
    } else if (damage == "folder") {
        QVERIFY(QDir().mkdir(file));
    } else if (damage == "pipe") {
        QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
    } else if (damage == "loop") {
        QVERIFY(QFile::link(file, file));
    }
    const Pictures pictures = picturesOf(*m_form);

    // Variant 9 is out of type 39's range: the value goes back to 1, whose file fails to load in
    // the variant selector's change handler, which ends the type change too. The click fails
    // again. One report each.
    m_form->ObjScrollH->setValue(39);
    click(m_form->Piece.element(20));

    QCOMPARE(m_reports.size(), 2);
    for (const QString &report : std::as_const(m_reports)) {
        QVERIFY2(report.contains(file), qPrintable(report));
        QVERIFY2(report.contains(cause), qPrintable(report));
    }
    QCOMPARE(m_form->ObjScrollV->Min(), 1);
    QCOMPARE(m_form->ObjScrollV->Max(), 4);
    QCOMPARE(m_form->ObjScrollV->Value(), 1);
    QVERIFY(m_form->ObjScrollV->Enabled());
    QCOMPARE(colourShown(m_form->ObjSample), colourOf("GoH.bmp"));
    QCOMPARE(colourShown(m_form->Piece.element(20)), colourOf("GoH.bmp"));
    QCOMPARE(picturesOf(*m_form), pictures);

    m_form->ObjScrollV->setValue(4);
    click(m_form->Piece.element(20));
    QCOMPARE(colourShown(m_form->ObjSample), colourOf("MarbleButtonU.bmp"));
    QCOMPARE(colourShown(m_form->Piece.element(20)), colourOf("MarbleButtonU.bmp"));
    QCOMPARE(m_reports.size(), 2);
}

// A type change that lines up the variant selector loads the sample from inside the variant
// selector's change handler first. That load fails, which ends the type change at the write that
// raised it: one report, and the board stays whole.
void TestEditing::failureInsideTheNestedCall()
{
    click(m_form->Piece.element(1));
    QVERIFY(QFile::remove(fileOf("AngleL.bmp")));
    const Pictures pictures = picturesOf(*m_form);
    const QStringList before = support::describeWindow(*m_form);

    m_form->ObjScrollH->setValue(2);

    QCOMPARE(m_reports.size(), 1);
    QVERIFY2(m_reports.front().contains(fileOf("AngleL.bmp")), qPrintable(m_reports.front()));
    QCOMPARE(m_loader->reads.count(catalogueFolder + "AngleL.bmp"), 1);
    QCOMPARE(picturesOf(*m_form), pictures);
    QCOMPARE(m_form->ObjScrollV->Min(), 1);
    QCOMPARE(m_form->ObjScrollV->Max(), 2);
    QCOMPARE(m_form->ObjScrollV->Value(), 1);
    QVERIFY(m_form->ObjScrollV->Enabled());
    const QStringList after = support::describeWindow(*m_form);
    QCOMPARE(after.size(), before.size());
    QCOMPARE(after.filter("Piece(1) ").first(), before.filter("Piece(1) ").first());

    QTest::keyClick(m_form->ObjScrollV, Qt::Key_Down);
    QCOMPARE(colourShown(m_form->ObjSample), colourOf("AngleR.bmp"));
    click(m_form->Piece.element(2));
    QCOMPARE(colourShown(m_form->Piece.element(2)), colourOf("AngleR.bmp"));
    QCOMPARE(colourShown(m_form->Piece.element(1)), colourOf("1UpMushroom.bmp"));
}

// "Clear Maze" replaces the edited window by one exactly like a newly opened window, without
// reading a file or running a change handler, and the old window is deleted.
void TestEditing::clearMaze()
{
    const QStringList designState = support::describeWindow(*m_form);
    m_form->ObjScrollH->setValue(24);
    m_form->ObjScrollV->setValue(9);
    m_form->WallScrollH->setValue(3);
    m_form->WallScrollV->setValue(5);
    for (toolkit::Image *image : {m_form->Piece.element(0), m_form->Piece.element(37),
                                  m_form->HWall.element(5), m_form->VWall.element(8)})
        click(image);
    QVERIFY(support::describeWindow(*m_form) != designState);
    m_loader->reads.clear();
    QSignalSpy lastWindowClosed(qApp, &QGuiApplication::lastWindowClosed);
    QPointer<app::Form1> old = m_form.data();

    app::Form1 *successor = clearMazeOn(m_form);

    QVERIFY(successor);
    QVERIFY(successor != old);
    QVERIFY(old && old->isHidden());
    QVERIFY(successor->isVisible());
    QVERIFY(m_loader->reads.isEmpty());
    QVERIFY(m_reports.isEmpty());
    QVERIFY(QTest::qWaitForWindowExposed(successor));
    QCOMPARE(support::describeWindow(*successor), designState);

    QCOMPARE(successor->windowTitle(), QStringLiteral("Tolvane v1.1"));
    QCOMPARE(successor->Piece.count(), 100);
    QVERIFY(!successor->Piece.element(100));
    QCOMPARE(successor->HWall.count(), 90);
    QCOMPARE(successor->VWall.count(), 90);
    QCOMPARE(successor->Corner.count(), 81);
    QCOMPARE(successor->findChildren<toolkit::Image *>().size(), 361 + 3);
    QCOMPARE(colourShown(successor->Piece.element(0)), white);
    QCOMPARE(colourShown(successor->Piece.element(37)), white);
    QCOMPARE(colourShown(successor->WallSampleH), white);
    QCOMPARE(successor->ObjScrollH->Value(), 1);
    QCOMPARE(successor->ObjScrollH->Min(), 1);
    QCOMPARE(successor->ObjScrollH->Max(), 67);
    QCOMPARE(successor->WallScrollH->Value(), 1);
    QCOMPARE(successor->WallScrollV->Value(), 1);
    QVERIFY(!successor->ObjScrollV->Enabled());

    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(old.isNull());
    QCOMPARE(lastWindowClosed.size(), 0);

    // The new window works like the first one.
    click(successor->Piece.element(37));
    QCOMPARE(colourShown(successor->Piece.element(37)), colourOf("1UpMushroom.bmp"));
}

void TestEditing::clearMazeTwice()
{
    const QStringList designState = support::describeWindow(*m_form);
    app::Form1 *second = clearMazeOn(m_form);
    QVERIFY(second);
    second->ObjScrollH->setValue(63);
    click(second->Piece.element(99));
    app::Form1 *third = clearMazeOn(second);
    QVERIFY(third);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(QTest::qWaitForWindowExposed(third));
    QCOMPARE(support::describeWindow(*third), designState);
}

// Under a running event loop, as in the program: the old window goes, the new one stays and the
// program does not quit (the loop ends only through the test's own exit code).
void TestEditing::clearMazeKeepsTheProgramRunning()
{
    QVERIFY(QGuiApplication::quitOnLastWindowClosed());
    QSignalSpy lastWindowClosed(qApp, &QGuiApplication::lastWindowClosed);
    QPointer<app::Form1> old = m_form.data();
    app::Form1 *successor = nullptr;
    QTimer::singleShot(0, this, [&] { successor = clearMazeOn(m_form); });
    QTimer::singleShot(300, this, [] { QCoreApplication::exit(42); });

    QCOMPARE(QApplication::exec(), 42);

    QVERIFY(successor);
    QVERIFY(successor->isVisible());
    QVERIFY(old.isNull());
    QCOMPARE(lastWindowClosed.size(), 0);
    QVERIFY(QGuiApplication::quitOnLastWindowClosed());
}

QTEST_MAIN(TestEditing)
#include "tst_editing.moc"
