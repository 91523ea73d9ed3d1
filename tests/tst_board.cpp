// The board as the window builds it before it is first shown: 100 cells, 90 horizontal and 90
// vertical wall slots and 81 corner posts, each at its grid place, visible, showing element 0's
// design-time picture, tiling the square from 0 to 410 without gap or overlap, and built the same
// way every time a window is made.

#include "app/form1.h"
#include "support/recordingloader.h"
#include "support/windowimages.h"
#include "support/windowlayout.h"
#include "toolkit/image.h"
#include "toolkit/selector.h"

#include <QPointer>
#include <QtTest>
#include <memory>

namespace {

using layout::FamilyLayout;

const FamilyLayout &designOf(const QString &name)
{
    for (const FamilyLayout &array : layout::families) {
        if (name == QLatin1String(array.array))
            return array;
    }
    qFatal("no control array %s", qPrintable(name));
}

constexpr int BoardSide = layout::board.width();

// The design-time picture of each array's element 0, which every element shows.
const QHash<QString, QString> designPictures = {{"Piece", ":/assets/cell.bmp"},
                                                {"HWall", ":/assets/hwall.bmp"},
                                                {"VWall", ":/assets/vwall.bmp"},
                                                {"Corner", ":/assets/corner.bmp"}};

struct Placement
{
    QString array;
    int index;
    QRect rect;
};

// Every element's place, as the expected layout numbers them: cells and horizontal slots row by
// row, vertical slots and corner posts column by column.
QList<Placement> gridPlaces()
{
    QList<Placement> places;
    for (const FamilyLayout &array : layout::families) {
        for (int n = 0; n < array.count; ++n)
            places.append({array.array, n, layout::elementRect(array.family, n)});
    }
    return places;
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
    void clicksHitWhatIsDrawn_data();
    void clicksHitWhatIsDrawn();

private:
    support::RecordingLoader m_loader;
    std::unique_ptr<app::Form1> m_form;
};

void TestBoard::init()
{
    m_form = std::make_unique<app::Form1>(m_loader);
}

void TestBoard::cleanup()
{
    m_form.reset();
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

    const toolkit::ControlArray &elements = support::boardArray(*m_form, array);
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

    const toolkit::Image *element = support::boardArray(*m_form, array).element(index);
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
        const toolkit::Image *element =
            support::boardArray(*m_form, place.array).element(place.index);
        const QString where = QStringLiteral("%1(%2)").arg(place.array).arg(place.index);
        QVERIFY2(element, qPrintable(where + " missing"));
        QVERIFY2(element->rect() == place.rect, qPrintable(where + " at " + describe(element)));
        QCOMPARE(element->host(), m_form->centralWidget());
    }
}

void TestBoard::everyElementVisible()
{
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    for (const Placement &place : gridPlaces()) {
        const toolkit::Image *element =
            support::boardArray(*m_form, place.array).element(place.index);
        QVERIFY2(element && element->Visible() && element->host()->isVisible(),
                 qPrintable(QStringLiteral("%1(%2)").arg(place.array).arg(place.index)));
    }
}

void TestBoard::everyElementShowsElementZerosPicture_data()
{
    QTest::addColumn<QString>("array");
    for (const FamilyLayout &array : layout::families)
        QTest::newRow(array.array) << QString(array.array);
}

void TestBoard::everyElementShowsElementZerosPicture()
{
    QFETCH(QString, array);

    const FamilyLayout &design = designOf(array);
    const QImage expected =
        QImage(designPictures.value(array)).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(expected.size(), design.size);
    const toolkit::ControlArray &elements = support::boardArray(*m_form, array);
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
    for (const FamilyLayout &array : layout::families) {
        const toolkit::ControlArray &elements = support::boardArray(*m_form, array.array);
        for (int n = 0; n < array.count; ++n) {
            const QRect rect = elements.element(n)->rect();
            QVERIFY2(layout::board.contains(rect),
                     qPrintable(QStringLiteral("%1(%2) leaves the board").arg(array.array).arg(n)));
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
            QVERIFY2(screen.pixel(x, y) != layout::cyan,
                     qPrintable(QStringLiteral("background at (%1, %2)").arg(x).arg(y)));
        }
    }
}

void TestBoard::secondWindowBuildsTheSameBoard()
{
    app::Form1 second(m_loader);
    QCOMPARE(support::describeWindow(second), support::describeWindow(*m_form));
    QVERIFY(second.Piece.element(37) != m_form->Piece.element(37));
}

// "Clear Maze" replaces a window that has been worked on by one exactly like a new window.
void TestBoard::clearMazeBuildsTheSameBoard()
{
    const QStringList fresh = support::describeWindow(*m_form);
    QPointer<app::Form1> first = new app::Form1(m_loader);
    first->show();
    first->Piece.element(37)->setPicture(QPixmap(":/assets/objsample.bmp"));
    first->Piece.element(0)->setPicture(QPixmap(":/assets/corner.bmp"));
    first->ObjScrollV->setMin(1);
    first->ObjScrollV->setMax(3);
    first->ObjScrollV->setEnabled(true);
    QVERIFY(support::describeWindow(*first) != fresh);

    app::Form1 *successor = nullptr;
    connect(first, &app::Form1::replaced, this,
            [&successor](app::Form1 *next) { successor = next; });
    first->mnuClear->trigger();
    QVERIFY(successor);
    std::unique_ptr<app::Form1> owned(successor);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());
    QCOMPARE(support::describeWindow(*successor), fresh);
}

void TestBoard::clicksHitWhatIsDrawn_data()
{
    QTest::addColumn<QSize>("cellZeroPicture");
    QTest::newRow("every picture fits its slot") << QSize(32, 32);
    QTest::newRow("cell 0 covers its slots and post") << QSize(50, 50);
}

// At any scale factor (CTest runs this again with QT_SCALE_FACTOR set), the element that a device
// pixel of the board shows is the one a pointer on that pixel reaches, as the window system
// reports the pointer: below the menu bar, whose height need not be a whole number of device
// pixels, and also where a picture larger than its slot covers its neighbours.
void TestBoard::clicksHitWhatIsDrawn()
{
    QFETCH(QSize, cellZeroPicture);

    QHash<const toolkit::Image *, QRgb> colours;
    for (const Placement &place : gridPlaces()) {
        toolkit::Image *element = support::boardArray(*m_form, place.array).element(place.index);
        const int family = QStringList{"Piece", "HWall", "VWall", "Corner"}.indexOf(place.array);
        const QRgb colour = qRgb(40 + 50 * family, place.index * 2, 255 - place.index * 2);
        const QSize size =
            element == m_form->Piece.element(0) ? cellZeroPicture : place.rect.size();
        QPixmap picture(size);
        picture.fill(QColor(colour));
        element->setPicture(picture);
        colours.insert(element, colour);
    }
    QCOMPARE(QSet<QRgb>(colours.cbegin(), colours.cend()).size(), 361);
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    const qreal scale = m_form->devicePixelRatioF();
    QImage drawn((QSizeF(m_form->size()) * scale).toSize(), QImage::Format_RGB32);
    drawn.setDevicePixelRatio(scale);
    m_form->render(&drawn);

    const toolkit::ImageHost *client = m_form->Piece.element(0)->host();
    const QRect board = QRectF(QPointF(client->pos()) * scale, QSizeF(layout::board.size()) * scale)
                            .toAlignedRect();
    for (int y = board.top(); y <= board.bottom(); ++y) {
        for (int x = board.left(); x <= board.right(); ++x) {
            const toolkit::Image *hit = client->imageAt(QPointF(x, y) / scale);
            const QRgb shown = drawn.pixel(x, y);
            if (hit ? shown != colours.value(hit) : colours.values().contains(shown))
                QFAIL(qPrintable(
                    QStringLiteral("at scale %1, device pixel (%2, %3) shows #%4, "
                                   "and a click there reaches %5")
                        .arg(scale)
                        .arg(x)
                        .arg(y)
                        .arg(shown, 6, 16, QLatin1Char('0'))
                        .arg(hit ? support::imageName(*m_form, hit) : QStringLiteral("no image"))));
        }
    }
}

QTEST_MAIN(TestBoard)
#include "tst_board.moc"
