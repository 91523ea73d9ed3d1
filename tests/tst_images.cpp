// Images and control arrays of images: how an image fits the picture it receives, how its host
// paints and repaints it, how a control array creates an element from element 0, and that a click
// names the element clicked.

#include "support/windowimages.h"
#include "support/windowlayout.h"
#include "toolkit/image.h"

#include <QPainter>
#include <QtTest>
#include <stdexcept>

namespace {

using support::clickImage;
using support::placeImage;

// A picture whose left half is `left` and right half `right`, so that a scaled copy shows where
// it was stretched to.
QPixmap twoColourPicture(QSize size, QColor left, QColor right)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(right);
    QPainter(&image).fillRect(0, 0, size.width() / 2, size.height(), left);
    return QPixmap::fromImage(image);
}

QPixmap onePicture(QSize size, QColor colour)
{
    return twoColourPicture(size, colour, colour);
}

// A host on a white background that keeps the region of every repaint.
class RecordingHost : public toolkit::ImageHost
{
public:
    QRegion repainted;

protected:
    void paintBackground(QPainter &painter, const QRect &area) override
    {
        painter.fillRect(area, Qt::white);
    }
    void paintEvent(QPaintEvent *event) override
    {
        repainted += event->region();
        ImageHost::paintEvent(event);
    }
};

// Two overlapping images on a shown host, each element 0 of an array of its own, the red one
// created first.
struct Overlap
{
    Overlap()
    {
        host.resize(200, 100);
        host.show();
    }
    RecordingHost host;
    toolkit::ControlArray reds{false, onePicture({40, 40}, Qt::red), &host, nullptr};
    toolkit::ControlArray blues{false, onePicture({40, 40}, Qt::blue), &host, nullptr};
    toolkit::Image *red = reds.element(0);
    toolkit::Image *blue = blues.element(0);
};

QColor shownAt(toolkit::ImageHost &host, QPoint point)
{
    return host.grab(QRect(point, QSize(1, 1))).toImage().pixelColor(0, 0);
}

bool samePicture(const QPixmap &a, const QPixmap &b)
{
    return a.toImage().convertToFormat(QImage::Format_RGB32) ==
           b.toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestImages : public QObject
{
    Q_OBJECT

private slots:
    void boardImageTakesThePictureSize();
    void sampleImageKeepsItsSize();
    void createCopiesElementZero_data();
    void createCopiesElementZero();
    void createOfATakenOrInvalidIndexThrows_data();
    void createOfATakenOrInvalidIndexThrows();
    void clickReportsTheElementsIndex();
    void laterImagesLieAbove();
    void clickGoesToTheTopmostVisibleImage_data();
    void clickGoesToTheTopmostVisibleImage();
    void changesRepaintOnlyTheirPlace_data();
    void changesRepaintOnlyTheirPlace();
};

void TestImages::boardImageTakesThePictureSize()
{
    toolkit::ImageHost client;
    toolkit::Image image(false, twoColourPicture({32, 32}, Qt::white, Qt::white), &client);
    image.setLeft(84.0f);
    image.setTop(126.0f);
    QCOMPARE(image.rect(), QRect(84, 126, 32, 32));

    image.setPicture(twoColourPicture({40, 12}, Qt::red, Qt::blue));
    QCOMPARE(image.rect(), QRect(84, 126, 40, 12));
    QCOMPARE(image.Left(), 84.0f);
    QCOMPARE(image.Top(), 126.0f);
}

void TestImages::sampleImageKeepsItsSize()
{
    toolkit::ImageHost client;
    client.resize(layout::clientArea);
    toolkit::Image image(true, twoColourPicture({32, 32}, Qt::white, Qt::white), &client);
    placeImage(&image, layout::objSample.topLeft());
    image.setSize(layout::objSample.size());

    image.setPicture(twoColourPicture({10, 40}, Qt::red, Qt::blue));
    QCOMPARE(image.rect(), layout::objSample);
    // The 10 x 40 picture fills the whole 64 x 64 image, its halves side by side.
    const QImage shown = support::shownImage(&image);
    QCOMPARE(shown.size(), layout::objSample.size());
    QCOMPARE(QColor(shown.pixel(0, 0)), QColor(Qt::red));
    QCOMPARE(QColor(shown.pixel(31, 63)), QColor(Qt::red));
    QCOMPARE(QColor(shown.pixel(32, 0)), QColor(Qt::blue));
    QCOMPARE(QColor(shown.pixel(63, 63)), QColor(Qt::blue));
}

void TestImages::createCopiesElementZero_data()
{
    QTest::addColumn<bool>("stretches");
    QTest::addColumn<QSize>("size");
    QTest::newRow("board image") << false << QSize(10, 32);
    QTest::newRow("stretching image") << true << QSize(20, 64);
}

void TestImages::createCopiesElementZero()
{
    QFETCH(bool, stretches);
    QFETCH(QSize, size);

    toolkit::ImageHost client;
    toolkit::ControlArray array(stretches, twoColourPicture({10, 32}, Qt::black, Qt::white),
                                &client, nullptr);
    toolkit::Image *first = array.element(0);
    placeImage(first, {32, 0});
    first->setSize(size);
    client.show();

    toolkit::Image *created = array.create(37);
    QVERIFY(created);
    QCOMPARE(array.element(37), created);
    QVERIFY(created != first);
    QCOMPARE(created->array(), &array);
    QCOMPARE(created->index(), 37);
    QCOMPARE(first->index(), 0);
    QCOMPARE(created->host(), &client);
    QCOMPARE(created->stretches(), stretches);
    QCOMPARE(created->size(), size);
    QVERIFY(samePicture(created->Picture(), first->Picture()));
    QVERIFY(!created->Visible());
    QVERIFY(first->Visible());
    QVERIFY(client.imageAt(first->rect().center()) == first);
    QCOMPARE(array.count(), 2);
    QVERIFY(!array.element(1));
    QVERIFY(!array.element(36));
    QVERIFY(!array.element(38));

    // Each element holds its own picture from then on.
    const QPixmap before = created->Picture();
    first->setPicture(twoColourPicture({10, 32}, Qt::red, Qt::red));
    QVERIFY(samePicture(created->Picture(), before));
    created->setPicture(twoColourPicture({10, 32}, Qt::blue, Qt::blue));
    QCOMPARE(QColor(first->Picture().toImage().pixel(0, 0)), QColor(Qt::red));
}

void TestImages::createOfATakenOrInvalidIndexThrows_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("element 0") << 0;
    QTest::newRow("existing element") << 5;
    QTest::newRow("negative") << -1;
    QTest::newRow("beyond 16 bits") << 32768;
}

void TestImages::createOfATakenOrInvalidIndexThrows()
{
    QFETCH(int, index);

    toolkit::ImageHost client;
    toolkit::ControlArray array(false, twoColourPicture({32, 32}, Qt::white, Qt::white), &client,
                                nullptr);
    toolkit::Image *five = array.create(5);
    const int children = client.findChildren<toolkit::Image *>().size();

    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, array.create(index));
    QCOMPARE(array.count(), 2);
    QCOMPARE(array.element(5), five);
    QCOMPARE(client.findChildren<toolkit::Image *>().size(), children);
}

void TestImages::clickReportsTheElementsIndex()
{
    toolkit::ImageHost client;
    client.resize(400, 100);
    toolkit::ControlArray array(false, twoColourPicture({32, 32}, Qt::white, Qt::white), &client,
                                nullptr);
    QList<qint16> clicked;
    QObject::connect(&array, &toolkit::ControlArray::clicked,
                     [&clicked](qint16 index) { clicked << index; });

    const QList<int> indices{0, 1, 9, 37, 32767};
    for (int i = 0; i < indices.size(); ++i) {
        if (indices[i] > 0)
            array.create(indices[i]);
        toolkit::Image *element = array.element(indices[i]);
        element->setLeft(42.0f * i);
        element->setVisible(true);
    }
    client.show();
    QVERIFY(QTest::qWaitForWindowExposed(&client));

    for (const int index : {37, 0, 32767, 9, 1, 37})
        clickImage(array.element(index));
    QCOMPARE(clicked, (QList<qint16>{37, 0, 32767, 9, 1, 37}));
}

// The image created later covers the one created before it, until it is hidden or moves away.
void TestImages::laterImagesLieAbove()
{
    Overlap images;
    placeImage(images.red, {10, 10});
    placeImage(images.blue, {30, 30});
    QCOMPARE(shownAt(images.host, {20, 20}), QColor(Qt::red));
    QCOMPARE(shownAt(images.host, {40, 40}), QColor(Qt::blue));
    QCOMPARE(shownAt(images.host, {100, 20}), QColor(Qt::white));

    images.blue->setVisible(false);
    QCOMPARE(shownAt(images.host, {40, 40}), QColor(Qt::red));
    QCOMPARE(shownAt(images.host, {60, 60}), QColor(Qt::white));

    images.blue->setVisible(true);
    placeImage(images.blue, {120, 30});
    QCOMPARE(shownAt(images.host, {40, 40}), QColor(Qt::red));
    QCOMPARE(shownAt(images.host, {130, 40}), QColor(Qt::blue));
}

void TestImages::clickGoesToTheTopmostVisibleImage_data()
{
    QTest::addColumn<bool>("blueHidden");
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<QPoint>("release");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QString>("clicked");
    QTest::newRow("red alone") << false << QPoint(15, 15) << QPoint(15, 15) << Qt::LeftButton
                               << "red";
    QTest::newRow("overlap") << false << QPoint(40, 40) << QPoint(40, 40) << Qt::LeftButton
                             << "blue";
    QTest::newRow("overlap, blue hidden")
        << true << QPoint(40, 40) << QPoint(40, 40) << Qt::LeftButton << "red";
    QTest::newRow("blue hidden, its own part")
        << true << QPoint(65, 65) << QPoint(65, 65) << Qt::LeftButton << "";
    QTest::newRow("background") << false << QPoint(150, 50) << QPoint(150, 50) << Qt::LeftButton
                                << "";
    QTest::newRow("released on another image")
        << false << QPoint(15, 15) << QPoint(40, 40) << Qt::LeftButton << "";
    QTest::newRow("released beside the image")
        << false << QPoint(60, 60) << QPoint(150, 50) << Qt::LeftButton << "";
    QTest::newRow("released elsewhere on the same image")
        << false << QPoint(35, 35) << QPoint(65, 65) << Qt::LeftButton << "blue";
    QTest::newRow("right button") << false << QPoint(40, 40) << QPoint(40, 40) << Qt::RightButton
                                  << "";
}

void TestImages::clickGoesToTheTopmostVisibleImage()
{
    QFETCH(bool, blueHidden);
    QFETCH(QPoint, press);
    QFETCH(QPoint, release);
    QFETCH(Qt::MouseButton, button);
    QFETCH(QString, clicked);

    Overlap images;
    placeImage(images.red, {10, 10});
    placeImage(images.blue, {30, 30});
    images.blue->setVisible(!blueHidden);
    QStringList clicks;
    QObject::connect(&images.reds, &toolkit::ControlArray::clicked, [&clicks] { clicks << "red"; });
    QObject::connect(&images.blues, &toolkit::ControlArray::clicked,
                     [&clicks] { clicks << "blue"; });
    QVERIFY(QTest::qWaitForWindowExposed(&images.host));

    QTest::mousePress(&images.host, button, {}, press);
    QTest::mouseRelease(&images.host, button, {}, release);
    QCOMPARE(clicks, clicked.isEmpty() ? QStringList() : QStringList{clicked});
}

void TestImages::changesRepaintOnlyTheirPlace_data()
{
    QTest::addColumn<int>("change");
    QTest::addColumn<QRegion>("repainted");
    const QRect red(10, 10, 40, 40);
    QTest::newRow("new picture, same size") << 0 << QRegion(red);
    QTest::newRow("new picture, other size") << 1 << (QRegion(red) + QRect(10, 10, 60, 20));
    QTest::newRow("move") << 2 << (QRegion(red) + QRect(120, 10, 40, 40));
    QTest::newRow("hide") << 3 << QRegion(red);
    QTest::newRow("unchanged place") << 4 << QRegion();
}

void TestImages::changesRepaintOnlyTheirPlace()
{
    QFETCH(int, change);
    QFETCH(QRegion, repainted);

    Overlap images;
    images.blue->setVisible(false);
    placeImage(images.red, {10, 10});
    QVERIFY(QTest::qWaitForWindowExposed(&images.host));
    QTRY_VERIFY(!images.host.repainted.isEmpty());
    QTest::qWait(20);
    images.host.repainted = {};

    switch (change) {
    case 0:
        images.red->setPicture(onePicture({40, 40}, Qt::green));
        break;
    case 1:
        images.red->setPicture(onePicture({60, 20}, Qt::green));
        break;
    case 2:
        images.red->setLeft(120.0f);
        break;
    case 3:
        images.red->setVisible(false);
        break;
    case 4:
        images.red->setLeft(10.0f);
        placeImage(images.blue, {100, 50});
        break;
    }
    QTest::qWait(50);
    QCOMPARE(images.host.repainted, repainted);
}

QTEST_MAIN(TestImages)
#include "tst_images.moc"
