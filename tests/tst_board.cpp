// The board as the window builds it before it is first shown: 100 cells, 90 horizontal and 90
// vertical wall slots and 81 corner posts, each at its grid place, visible, showing element 0's
// design-time picture, tiling the square from 0 to 410 without gap or overlap, and built the same
// way every time a window is made.

#include "app/form1.h"
#include "catalogue/filepictureloader.h"
#include "toolkit/controlarray.h"
#include "toolkit/image.h"
#include "toolkit/imagehost.h"
#include "toolkit/selector.h"

#include <QCryptographicHash>
#include <QPointer>
#include <QtTest>
#include <memory>

namespace {

constexpr int Pitch = 42;
constexpr int Offset = 32;
constexpr int BoardSide = 410;
const QRgb Cyan = qRgb(0, 255, 255);

struct ArrayDesign
{
    const char *name;
    int count;
    QSize size;
    const char *picture;
};

const ArrayDesign arrays[] = {
    {"Piece", 100, {32, 32}, ":/assets/cell.bmp"},
    {"HWall", 90, {32, 10}, ":/assets/hwall.bmp"},
    {"VWall", 90, {10, 32}, ":/assets/vwall.bmp"},
    {"Corner", 81, {10, 10}, ":/assets/corner.bmp"},
};

const ArrayDesign &designOf(const QString &name)
{
    for (const ArrayDesign &array : arrays) {
        if (name == QLatin1String(array.name))
            return array;
    }
    qFatal("no control array %s", qPrintable(name));
}

struct Placement
{
    QString array;
    int index;
    QPoint topLeft;
};

// Every element's place, worked out from the grid's index rules: cells and horizontal slots are
// numbered row by row, vertical slots and corner posts column by column.
QList<Placement> gridPlaces()
{
    QList<Placement> places;
    for (int r = 0; r < 10; ++r) {
        for (int c = 0; c < 10; ++c)
            places.append({"Piece", 10 * r + c, {Pitch * c, Pitch * r}});
    }
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 10; ++c)
            places.append({"HWall", 10 * r + c, {Pitch * c, Pitch * r + Offset}});
    }
    for (int g = 0; g < 9; ++g) {
        for (int r = 0; r < 10; ++r)
            places.append({"VWall", 10 * g + r, {Pitch * g + Offset, Pitch * r}});
    }
    for (int g = 0; g < 9; ++g) {
        for (int h = 0; h < 9; ++h)
            places.append({"Corner", 9 * g + h, {Pitch * g + Offset, Pitch * h + Offset}});
    }
    return places;
}

toolkit::ControlArray &arrayOf(app::Form1 &form, const QString &name)
{
    if (name == "Piece")
        return form.Piece;
    if (name == "HWall")
        return form.HWall;
    if (name == "VWall")
        return form.VWall;
    return form.Corner;
}

QByteArray fingerprint(const QPixmap &picture)
{
    const QImage image = picture.toImage().convertToFormat(QImage::Format_RGB32);
    const QByteArray bits(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes());
    return QCryptographicHash::hash(bits, QCryptographicHash::Md5).toHex().left(12);
}

QString describe(const toolkit::Image *image)
{
    const QRect g = image->rect();
    return QStringLiteral("(%1, %2) %3x%4 %5")
        .arg(g.x())
        .arg(g.y())
        .arg(g.width())
        .arg(g.height())
        .arg(image->Visible() ? "visible" : "hidden");
}

// One line per board element, sample and selector, with everything that a new window must
// reproduce: place, size, visibility, picture and selector state.
QStringList snapshot(app::Form1 &form)
{
    QStringList lines;
    for (const ArrayDesign &array : arrays) {
        toolkit::ControlArray &elements = arrayOf(form, array.name);
        lines << QStringLiteral("%1 count %2").arg(array.name).arg(elements.count());
        for (int n = 0; n < array.count; ++n) {
            const toolkit::Image *element = elements.element(n);
            lines << QStringLiteral("%1(%2) %3 %4")
                         .arg(array.name)
                         .arg(n)
                         .arg(element ? describe(element) : "missing")
                         .arg(element ? fingerprint(element->Picture()) : "");
        }
    }
    for (const toolkit::Image *sample : {form.ObjSample, form.WallSampleH, form.WallSampleV})
        lines << sample->objectName() + " " + describe(sample) + " " +
                     fingerprint(sample->Picture());
    for (const toolkit::Selector *selector :
         {form.ObjScrollV, form.ObjScrollH, form.WallScrollH, form.WallScrollV}) {
        lines << QStringLiteral("%1 %2..%3 at %4 %5")
                     .arg(selector->objectName())
                     .arg(selector->Min())
                     .arg(selector->Max())
                     .arg(selector->Value())
                     .arg(selector->Enabled() ? "enabled" : "disabled");
    }
    return lines;
}

} // namespace

class TestBoard : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void elementCounts_data();
    void elementCounts();
    void edgePositions_data();
    void edgePositions();
    void everyElementAtItsGridPlace();
    void everyElementVisible();
    void everyElementShowsElementZerosPicture_data();
    void everyElementShowsElementZerosPicture();
    void boardTilesTheSquare();
    void secondWindowBuildsTheSameBoard();
    void clearMazeBuildsTheSameBoard();

private:
    QTemporaryDir m_documents; // empty: no picture can be found
    std::unique_ptr<catalogue::FilePictureLoader> m_loader;
    std::unique_ptr<app::Form1> m_form;
};

void TestBoard::init()
{
    QVERIFY(m_documents.isValid());
    m_loader = std::make_unique<catalogue::FilePictureLoader>(m_documents.path());
    m_form = std::make_unique<app::Form1>(*m_loader);
}

void TestBoard::cleanup()
{
    m_form.reset();
    m_loader.reset();
}

void TestBoard::elementCounts_data()
{
    QTest::addColumn<QString>("array");
    QTest::addColumn<int>("count");
    QTest::newRow("Piece") << "Piece" << 100;
    QTest::newRow("HWall") << "HWall" << 90;
    QTest::newRow("VWall") << "VWall" << 90;
    QTest::newRow("Corner") << "Corner" << 81;
}

void TestBoard::elementCounts()
{
    QFETCH(QString, array);
    QFETCH(int, count);

    const toolkit::ControlArray &elements = arrayOf(*m_form, array);
    QCOMPARE(elements.count(), count);
    QSet<const toolkit::Image *> distinct;
    for (int n = 0; n < count; ++n) {
        QVERIFY2(elements.element(n), qPrintable(QStringLiteral("element %1 missing").arg(n)));
        distinct.insert(elements.element(n));
    }
    QCOMPARE(distinct.size(), count);
    QVERIFY(!elements.element(count));
    QVERIFY(!elements.element(-1));
}

void TestBoard::edgePositions_data()
{
    QTest::addColumn<QString>("array");
    QTest::addColumn<int>("index");
    QTest::addColumn<QPoint>("topLeft");

    const struct
    {
        const char *array;
        int index, left, top;
    } rows[] = {
        {"Piece", 0, 0, 0},      {"Piece", 9, 378, 0},    {"Piece", 10, 0, 42},
        {"Piece", 37, 294, 126}, {"Piece", 99, 378, 378}, {"HWall", 0, 0, 32},
        {"HWall", 37, 294, 158}, {"HWall", 89, 378, 368}, {"VWall", 0, 32, 0},
        {"VWall", 9, 32, 378},   {"VWall", 10, 74, 0},    {"VWall", 37, 158, 294},
        {"VWall", 89, 368, 378}, {"Corner", 0, 32, 32},   {"Corner", 8, 32, 368},
        {"Corner", 9, 74, 32},   {"Corner", 37, 200, 74}, {"Corner", 80, 368, 368},
    };
    for (const auto &row : rows) {
        QTest::addRow("%s(%d)", row.array, row.index)
            << row.array << row.index << QPoint(row.left, row.top);
    }
}

void TestBoard::edgePositions()
{
    QFETCH(QString, array);
    QFETCH(int, index);
    QFETCH(QPoint, topLeft);

    const toolkit::Image *element = arrayOf(*m_form, array).element(index);
    QVERIFY(element);
    QCOMPARE(element->Left(), float(topLeft.x()));
    QCOMPARE(element->Top(), float(topLeft.y()));
    QCOMPARE(element->rect().topLeft(), topLeft);
}

void TestBoard::everyElementAtItsGridPlace()
{
    const QList<Placement> places = gridPlaces();
    QCOMPARE(places.size(), 361);
    for (const Placement &place : places) {
        const toolkit::Image *element = arrayOf(*m_form, place.array).element(place.index);
        const QString where = QStringLiteral("%1(%2)").arg(place.array).arg(place.index);
        QVERIFY2(element, qPrintable(where + " missing"));
        QVERIFY2(element->rect() == QRect(place.topLeft, designOf(place.array).size),
                 qPrintable(where + " at " + describe(element)));
        QCOMPARE(element->host(), m_form->centralWidget());
    }
}

void TestBoard::everyElementVisible()
{
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    for (const Placement &place : gridPlaces()) {
        const toolkit::Image *element = arrayOf(*m_form, place.array).element(place.index);
        QVERIFY2(element && element->Visible() && element->host()->isVisible(),
                 qPrintable(QStringLiteral("%1(%2)").arg(place.array).arg(place.index)));
    }
}

void TestBoard::everyElementShowsElementZerosPicture_data()
{
    QTest::addColumn<QString>("array");
    for (const ArrayDesign &array : arrays)
        QTest::newRow(array.name) << QString(array.name);
}

void TestBoard::everyElementShowsElementZerosPicture()
{
    QFETCH(QString, array);

    const ArrayDesign &design = designOf(array);
    const QImage expected = QImage(QString(design.picture)).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(expected.size(), design.size);
    const toolkit::ControlArray &elements = arrayOf(*m_form, array);
    for (int n = 0; n < design.count; ++n) {
        const QImage shown =
            elements.element(n)->Picture().toImage().convertToFormat(QImage::Format_RGB32);
        QVERIFY2(shown == expected, qPrintable(QStringLiteral("%1(%2)").arg(array).arg(n)));
    }
}

// Every pixel of the board square is covered by exactly one element, none reaches beyond it,
// and on screen no background shows through.
void TestBoard::boardTilesTheSquare()
{
    QList<int> coverage(BoardSide * BoardSide, 0);
    for (const ArrayDesign &array : arrays) {
        const toolkit::ControlArray &elements = arrayOf(*m_form, array.name);
        for (int n = 0; n < array.count; ++n) {
            const QRect rect = elements.element(n)->rect();
            QVERIFY2(QRect(0, 0, BoardSide, BoardSide).contains(rect),
                     qPrintable(QStringLiteral("%1(%2) leaves the board").arg(array.name).arg(n)));
            for (int y = rect.top(); y <= rect.bottom(); ++y) {
                for (int x = rect.left(); x <= rect.right(); ++x)
                    ++coverage[y * BoardSide + x];
            }
        }
    }
    for (int y = 0; y < BoardSide; ++y) {
        for (int x = 0; x < BoardSide; ++x) {
            const int layers = coverage[y * BoardSide + x];
            QVERIFY2(
                layers == 1,
                qPrintable(
                    QStringLiteral("pixel (%1, %2) covered %3 times").arg(x).arg(y).arg(layers)));
        }
    }

    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    const QImage screen = m_form->centralWidget()->grab().toImage();
    for (int y = 0; y < BoardSide; ++y) {
        for (int x = 0; x < BoardSide; ++x) {
            QVERIFY2(screen.pixel(x, y) != Cyan,
                     qPrintable(QStringLiteral("background at (%1, %2)").arg(x).arg(y)));
        }
    }
}

void TestBoard::secondWindowBuildsTheSameBoard()
{
    app::Form1 second(*m_loader);
    QCOMPARE(snapshot(second), snapshot(*m_form));
    QVERIFY(second.Piece.element(37) != m_form->Piece.element(37));
}

// "Clear Maze" replaces a window that has been worked on by one exactly like a new window.
void TestBoard::clearMazeBuildsTheSameBoard()
{
    const QStringList fresh = snapshot(*m_form);
    QPointer<app::Form1> first = new app::Form1(*m_loader);
    first->show();
    first->Piece.element(37)->setPicture(QPixmap(":/assets/objsample.bmp"));
    first->Piece.element(0)->setPicture(QPixmap(":/assets/corner.bmp"));
    first->ObjScrollV->setMin(1);
    first->ObjScrollV->setMax(3);
    first->ObjScrollV->setEnabled(true);
    QVERIFY(snapshot(*first) != fresh);

    app::Form1 *successor = nullptr;
    connect(first, &app::Form1::replaced, this,
            [&successor](app::Form1 *next) { successor = next; });
    first->mnuClear->trigger();
    QVERIFY(successor);
    std::unique_ptr<app::Form1> owned(successor);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());
    QCOMPARE(snapshot(*successor), fresh);
}

QTEST_MAIN(TestBoard)
#include "tst_board.moc"
