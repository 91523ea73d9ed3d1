// Images and control arrays of images: how an image fits the picture it receives, how a control
// array creates an element from element 0, and that a click names the element clicked.

#include "toolkit/controlarray.h"
#include "toolkit/image.h"

#include <QPainter>
#include <QtTest>
#include <stdexcept>

namespace {

using Fit = toolkit::Image::Fit;

// A picture whose left half is `left` and right half `right`, so that a scaled copy shows where
// it was stretched to.
QPixmap twoColourPicture(QSize size, QColor left, QColor right)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(right);
    QPainter(&image).fillRect(0, 0, size.width() / 2, size.height(), left);
    return QPixmap::fromImage(image);
}

bool samePicture(const QPixmap &a, const QPixmap &b)
{
    return a.toImage().convertToFormat(QImage::Format_RGB32) ==
           b.toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

Q_DECLARE_METATYPE(Fit)

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
};

void TestImages::boardImageTakesThePictureSize()
{
    QWidget client;
    toolkit::Image image(Fit::Natural, twoColourPicture({32, 32}, Qt::white, Qt::white), &client);
    image.setLeft(84.0f);
    image.setTop(126.0f);
    QCOMPARE(image.geometry(), QRect(84, 126, 32, 32));

    image.setPicture(twoColourPicture({40, 12}, Qt::red, Qt::blue));
    QCOMPARE(image.geometry(), QRect(84, 126, 40, 12));
    QCOMPARE(image.Left(), 84.0f);
    QCOMPARE(image.Top(), 126.0f);
}

void TestImages::sampleImageKeepsItsSize()
{
    QWidget client;
    toolkit::Image image(Fit::Stretch, twoColourPicture({32, 32}, Qt::white, Qt::white), &client);
    image.setGeometry(410, 410, 64, 64);

    image.setPicture(twoColourPicture({10, 40}, Qt::red, Qt::blue));
    QCOMPARE(image.geometry(), QRect(410, 410, 64, 64));
    // The 10 x 40 picture fills the whole 64 x 64 image, its halves side by side.
    const QImage shown = image.grab().toImage();
    QCOMPARE(shown.size(), QSize(64, 64));
    QCOMPARE(QColor(shown.pixel(0, 0)), QColor(Qt::red));
    QCOMPARE(QColor(shown.pixel(31, 63)), QColor(Qt::red));
    QCOMPARE(QColor(shown.pixel(32, 0)), QColor(Qt::blue));
    QCOMPARE(QColor(shown.pixel(63, 63)), QColor(Qt::blue));
}

void TestImages::createCopiesElementZero_data()
{
    QTest::addColumn<Fit>("fit");
    QTest::addColumn<QSize>("size");
    QTest::newRow("board image") << Fit::Natural << QSize(10, 32);
    QTest::newRow("stretching image") << Fit::Stretch << QSize(20, 64);
}

void TestImages::createCopiesElementZero()
{
    QFETCH(Fit, fit);
    QFETCH(QSize, size);

    QWidget client;
    auto *first =
        new toolkit::Image(fit, twoColourPicture({10, 32}, Qt::black, Qt::white), &client);
    first->setGeometry(QRect(QPoint(32, 0), size));
    toolkit::ControlArray array(first);
    client.show();

    toolkit::Image *created = array.create(37);
    QVERIFY(created);
    QCOMPARE(array.element(37), created);
    QVERIFY(created != first);
    QCOMPARE(created->parentWidget(), &client);
    QCOMPARE(created->fit(), fit);
    QCOMPARE(created->size(), size);
    QVERIFY(samePicture(created->Picture(), first->Picture()));
    QVERIFY(created->isHidden());
    QVERIFY(first->isVisible());
    QCOMPARE(created->focusPolicy(), Qt::NoFocus);
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

    QWidget client;
    toolkit::ControlArray array(new toolkit::Image(
        Fit::Natural, twoColourPicture({32, 32}, Qt::white, Qt::white), &client));
    toolkit::Image *five = array.create(5);
    const int children = client.findChildren<toolkit::Image *>().size();

    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, array.create(index));
    QCOMPARE(array.count(), 2);
    QCOMPARE(array.element(5), five);
    QCOMPARE(client.findChildren<toolkit::Image *>().size(), children);
}

void TestImages::clickReportsTheElementsIndex()
{
    QWidget client;
    client.resize(400, 100);
    toolkit::ControlArray array(new toolkit::Image(
        Fit::Natural, twoColourPicture({32, 32}, Qt::white, Qt::white), &client));
    QList<qint16> clicked;
    array.setClickHandler([&clicked](qint16 index) { clicked << index; });

    const QList<int> indices{0, 1, 9, 37, 32767};
    for (int i = 0; i < indices.size(); ++i) {
        if (indices[i] > 0)
            array.create(indices[i]);
        toolkit::Image *element = array.element(indices[i]);
        element->setLeft(42.0f * i);
        element->show();
    }
    client.show();
    QVERIFY(QTest::qWaitForWindowExposed(&client));

    for (const int index : {37, 0, 32767, 9, 1, 37})
        QTest::mouseClick(array.element(index), Qt::LeftButton);
    QCOMPARE(clicked, (QList<qint16>{37, 0, 32767, 9, 1, 37}));
}

QTEST_MAIN(TestImages)
#include "tst_images.moc"
