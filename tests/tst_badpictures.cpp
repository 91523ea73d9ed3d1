// Whatever the picture folder holds, a load by the file loader ends either with the picture or
// with a report naming the file and the cause. tst_badpictureclicks tries the same files as clicks.

#include "catalogue/filepictureloader.h"
#include "catalogue/picturepath.h"
#include "support/badpictures.h"

#include <QtTest>

class TestBadPictures : public QObject
{
    Q_OBJECT

private slots:
    void loadDirectly_data();
    void loadDirectly();
};

void TestBadPictures::loadDirectly_data()
{
    support::addPictureRows();
}

void TestBadPictures::loadDirectly()
{
    QFETCH(support::Setup, setup);
    QFETCH(QByteArray, bytes);
    QFETCH(QImage, expected);
    QFETCH(int, tolerance);
    QFETCH(QString, cause);

    support::PictureFolder pictures;
    QVERIFY(pictures.prepare(setup, bytes));
    const catalogue::FilePictureLoader loader(pictures.documents);
    const QString path = QString::fromLatin1(catalogue::pictureFolder) + support::clickedFileName();

    try {
        const QPixmap picture = loader.loadPicture(path);
        QVERIFY2(!expected.isNull(), "the load did not fail");
        const QString fault = support::difference(picture.toImage(), expected, tolerance);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    } catch (const catalogue::PictureLoadError &error) {
        QVERIFY2(expected.isNull(), error.what());
        QCOMPARE(error.file(), pictures.file());
        QVERIFY2(error.cause().contains(cause), qPrintable(error.cause()));
    }
}

QTEST_MAIN(TestBadPictures)
#include "tst_badpictures.moc"
