// The tile generator, tolvane-tiles: it draws exactly the set committed in assets/tiles/, keeps
// files that are there unless forced, draws only catalogue names, lays out its contact sheet in
// catalogue order and lists every file with its size.

#include "catalogue/catalogue.h"
#include "tools/tiles/contactsheet.h"
#include "tools/tiles/tilecatalogue.h"
#include "tools/tiles/tilepicture.h"
#include "tools/tiles/tilewriter.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <stdexcept>

class TestTileGenerator : public QObject
{
    Q_OBJECT

private:
    static QString committed(const QString &name)
    {
        return QStringLiteral(TOLVANE_SOURCE_DIR "/assets/tiles/") + name;
    }
    static QImage pictureOf(const QString &name) { return QImage(committed(name)); }

    static QByteArray contentOf(const QString &file)
    {
        QFile bitmap(file);
        return bitmap.open(QIODevice::ReadOnly) ? bitmap.readAll() : QByteArray();
    }

private slots:
    // A change to the drawing shows here until the set is drawn anew and committed.
    void writesWhatIsCommitted()
    {
        QTemporaryDir folder;
        const tiles::WriteReport report =
            tiles::writeTiles(tiles::intoFolder(QFile::encodeName(folder.path())), false);
        QVERIFY2(report.failed.empty(),
                 report.failed.empty() ? "" : qPrintable(report.failed[0].cause));
        QCOMPARE(report.written.size(), 187);
        for (const catalogue::PictureFile &tile : catalogue::pictureFiles()) {
            const QByteArray drawn = contentOf(folder.filePath(tile.fileName));
            QVERIFY2(!drawn.isEmpty() && drawn == contentOf(committed(tile.fileName)),
                     qPrintable(tile.fileName + " differs from the committed file"));
        }
    }

    void drawsOnlyNamesItKnows_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("no such family") << "Teapot.bmp";
        QTest::newRow("no extension") << "GoD";
        QTest::newRow("unknown direction") << "GoX.bmp";
        QTest::newRow("too many letters") << "GoDLR.bmp";
        QTest::newRow("warp without colour") << "Warp3.bmp";
        QTest::newRow("number for a single picture") << "Crate2.bmp";
        QTest::newRow("letters for a numbered family") << "JumpU.bmp";
        QTest::newRow("eighth dragon ball") << "Dragonball8.bmp";
        QTest::newRow("key of no colour") << "KeyPink.bmp";
        QTest::newRow("wall of no orientation") << "WallD.bmp";
    }

    void drawsOnlyNamesItKnows()
    {
        QFETCH(QString, name);
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                                 tiles::drawTile(name.toStdString(), {32, 32}));
    }

    void keepsExistingFilesUnlessForced()
    {
        QTemporaryDir folder;
        const QString mine = folder.filePath("Bow.bmp");
        QFile file(mine);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("my own bow");
        file.close();

        const QByteArray into = QFile::encodeName(folder.path());
        const tiles::WriteReport kept = tiles::writeTiles(tiles::intoFolder(into), false);
        QCOMPARE(kept.kept, QList<QByteArray>{QFile::encodeName(mine)});
        QCOMPARE(kept.written.size(), 186);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("my own bow"));
        file.close();

        const tiles::WriteReport forced = tiles::writeTiles(tiles::intoFolder(into), true);
        QCOMPARE(forced.written.size(), 187);
        QCOMPARE(QImage(mine), pictureOf("Bow.bmp"));
    }

    // The contact sheet shows every file at twice its size, in catalogue order.
    void contactSheetShowsEveryTileInOrder()
    {
        const QImage sheet = tiles::contactSheet();
        const std::vector<catalogue::PictureFile> files = catalogue::pictureFiles();
        for (int index = 0; index < int(files.size()); ++index) {
            const catalogue::PictureFile &file = files[std::size_t(index)];
            const QRect place = tiles::sheetTileRect(index, file.size);
            QVERIFY(sheet.rect().contains(place));
            const QImage doubled =
                pictureOf(file.fileName)
                    .scaled(place.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
            QVERIFY2(sheet.copy(place).convertToFormat(doubled.format()) == doubled,
                     qPrintable(file.fileName + " is not where the sheet should show it"));
        }
    }

    // Every file once, with the size of its slot, under a heading of its type.
    void listsEveryFileWithItsSize()
    {
        const QRegularExpression fileLine(QStringLiteral("^  (\\S+)  (\\d+) x (\\d+)$"));
        const QRegularExpression heading(QStringLiteral("^(Object|Wall) type \\d+$"));
        QMap<QString, QSize> listed;
        for (const QString &line : tiles::tileListing()) {
            const QRegularExpressionMatch match = fileLine.match(line);
            if (!match.hasMatch()) {
                QVERIFY2(heading.match(line).hasMatch(), qPrintable(line));
                continue;
            }
            QVERIFY2(!listed.contains(match.captured(1)), qPrintable(line));
            listed.insert(match.captured(1),
                          {match.captured(2).toInt(), match.captured(3).toInt()});
        }
        QMap<QString, QSize> expected;
        for (const catalogue::PictureFile &tile : catalogue::pictureFiles())
            expected.insert(tile.fileName, tile.size);
        QCOMPARE(listed, expected);
    }
};

QTEST_MAIN(TestTileGenerator)
#include "tst_tilegenerator.moc"
