// Whatever the picture folder holds, a click on a cell of an editor window that loads it either
// shows the picture or reports the file and the cause; the report leaves the editor running and
// every image, the clicked one included, as it was. tst_badpictures tries the same files on the
// file loader alone.

#include "app/form1.h"
#include "catalogue/filepictureloader.h"
#include "support/badpictures.h"
#include "support/windowimages.h"
#include "toolkit/image.h"

#include <QtTest>
#include <memory>

class TestBadPictureClicks : public QObject
{
    Q_OBJECT

private slots:
    void clickOnCell_data();
    void clickOnCell();
};

void TestBadPictureClicks::clickOnCell_data()
{
    support::addPictureRows();
}

void TestBadPictureClicks::clickOnCell()
{
    QFETCH(support::Setup, setup);
    QFETCH(QByteArray, bytes);
    QFETCH(QImage, expected);
    QFETCH(int, tolerance);
    QFETCH(QString, cause);

    support::PictureFolder pictures;
    QVERIFY(pictures.prepare(setup, bytes));
    const catalogue::FilePictureLoader loader(pictures.documents);
    const std::unique_ptr<app::Form1> window(
        app::Form1::open(loader, app::Form1::Reports::SignalOnly));
    QStringList reports;
    QObject::connect(window.get(), &app::Form1::failed,
                     [&reports](const QString &message) { reports << message; });
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));

    toolkit::Image *cell = window->Piece.element(37);
    auto before = support::picturesOf(*window);
    support::clickImage(cell);

    auto after = support::picturesOf(*window);
    if (expected.isNull()) {
        QCOMPARE(reports.size(), 1);
        QVERIFY2(reports.front().contains(QLatin1Char('"') + pictures.file() + QLatin1Char('"')),
                 qPrintable(reports.front()));
        QVERIFY2(reports.front().contains(cause), qPrintable(reports.front()));
    } else {
        QVERIFY2(reports.isEmpty(), qPrintable(reports.join('\n')));
        QCOMPARE(cell->size(), expected.size());
        const QString fault = support::difference(cell->Picture().toImage(), expected, tolerance);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        QVERIFY(after.value(cell) != before.value(cell));
        before.remove(cell);
        after.remove(cell);
    }
    QCOMPARE(after, before);

    // The editor goes on: once the folder holds a picture, the next click shows it.
    QVERIFY(pictures.replaceWithGoodPicture());
    toolkit::Image *next = window->Piece.element(38);
    support::clickImage(next);
    QCOMPARE(reports.size(), expected.isNull() ? 1 : 0);
    QVERIFY(window->isVisible());
    QCOMPARE(next->Picture().toImage().pixel(0, 0), support::goodPictureColour);
}

QTEST_MAIN(TestBadPictureClicks)
#include "tst_badpictureclicks.moc"
