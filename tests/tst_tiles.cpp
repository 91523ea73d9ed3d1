// The sample tile set as committed in assets/tiles/, checked file by file as the editor would meet
// it — the stored bitmap format byte by byte, the sizes of the board slots, loading through the
// editor's own picture loader from a picture folder — and for what the pictures show.

#include "catalogue/catalogue.h"
#include "catalogue/pictureloader.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

namespace {

template <typename T> T field(const QByteArray &bytes, int offset)
{
    return qFromLittleEndian<T>(bytes.constData() + offset);
}

double luminance(QRgb pixel)
{
    return 0.299 * qRed(pixel) + 0.587 * qGreen(pixel) + 0.114 * qBlue(pixel);
}

// The mean difference of two pictures of one size, per colour channel, 0 to 255.
double meanDifference(const QImage &one, const QImage &other)
{
    double sum = 0;
    for (int y = 0; y < one.height(); ++y) {
        for (int x = 0; x < one.width(); ++x) {
            const QRgb a = one.pixel(x, y);
            const QRgb b = other.pixel(x, y);
            sum += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                   std::abs(qBlue(a) - qBlue(b));
        }
    }
    return sum / (3.0 * one.width() * one.height());
}

QImage transformed(const QImage &image, const QString &how)
{
    if (how.startsWith(QLatin1String("turn ")))
        return image.transformed(QTransform().rotate(how.mid(5).toInt()));
    return image.mirrored(how.contains(QLatin1String("mirror")),
                          how.contains(QLatin1String("flip")));
}

} // namespace

class TestTiles : public QObject
{
    Q_OBJECT

private:
    const QDir m_tiles{QStringLiteral(TOLVANE_SOURCE_DIR "/assets/tiles")};

    QTemporaryDir m_documents; // its pardovine/ holds a copy of the set, as a user's would

    QString fileOf(const QString &name) const { return m_tiles.filePath(name); }
    QImage pictureOf(const QString &name) const { return QImage(fileOf(name)); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_documents.isValid() && QDir(m_documents.path()).mkdir("pardovine"));
        for (const QString &name : m_tiles.entryList(QDir::Files))
            QVERIFY(QFile::copy(fileOf(name), m_documents.filePath("pardovine/" + name)));
    }

    // Exactly the catalogue's files, names in the catalogue's letter case, and nothing else.
    void holdsEveryCatalogueFileAndNoOther()
    {
        QStringList expected;
        for (const catalogue::PictureFile &file : catalogue::pictureFiles())
            expected.append(file.fileName);
        expected.sort();
        QStringList present = m_tiles.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        present.sort();
        QCOMPARE(present, expected);
    }

    void storesAnUncompressed24BitBitmap_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        for (const catalogue::PictureFile &file : catalogue::pictureFiles())
            QTest::newRow(qPrintable(file.fileName)) << file.fileName << file.size;
    }

    void storesAnUncompressed24BitBitmap()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QFile file(fileOf(name));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.errorString()));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.size() >= 54);
        QCOMPARE(bytes.left(2), QByteArray("BM"));
        QCOMPARE(field<quint32>(bytes, 2), quint32(bytes.size()));
        QCOMPARE(field<quint32>(bytes, 14), 40u); // the plain Windows info header
        QCOMPARE(field<qint32>(bytes, 18), size.width());
        QCOMPARE(field<qint32>(bytes, 22), size.height()); // positive: rows stored bottom-up
        QCOMPARE(field<quint16>(bytes, 26), quint16(1));
        QCOMPARE(field<quint16>(bytes, 28), quint16(24));
        QCOMPARE(field<quint32>(bytes, 30), 0u); // no compression
        const int rowBytes = (3 * size.width() + 3) / 4 * 4;
        QCOMPARE(field<quint32>(bytes, 10) + rowBytes * size.height(), quint32(bytes.size()));
    }

    void loadsThroughTheEditorsPictureLoader_data() { storesAnUncompressed24BitBitmap_data(); }

    void loadsThroughTheEditorsPictureLoader()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        const catalogue::FilePictureLoader loader(QFile::encodeName(m_documents.path()));
        QPixmap picture;
        try {
            picture = loader.loadPicture(catalogue::picturePath(name));
        } catch (const catalogue::PictureLoadError &error) {
            QFAIL(qPrintable(error.cause()));
        }
        QCOMPARE(picture.size(), size);
    }

    void noTwoFilesAreAlike()
    {
        QHash<QByteArray, QString> seen;
        for (const catalogue::PictureFile &file : catalogue::pictureFiles()) {
            QFile bitmap(fileOf(file.fileName));
            QVERIFY(bitmap.open(QIODevice::ReadOnly));
            const QByteArray bytes = bitmap.readAll();
            QVERIFY2(!seen.contains(bytes),
                     qPrintable(file.fileName + " is the same as " + seen.value(bytes)));
            seen.insert(bytes, file.fileName);
        }
    }

    // Blanks are white all through and a plain wall one solid colour; everything else has a
    // figure that stands out on the white board: a fair share of coloured pixels and some dark.
    void showsItsFigureOnTheWhiteBoard_data() { storesAnUncompressed24BitBitmap_data(); }

    void showsItsFigureOnTheWhiteBoard()
    {
        QFETCH(QString, name);
        const QImage picture = pictureOf(name);
        QSet<QRgb> colours;
        int coloured = 0;
        double darkest = 255;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const QRgb pixel = picture.pixel(x, y);
                colours.insert(pixel);
                coloured += std::min({qRed(pixel), qGreen(pixel), qBlue(pixel)}) < 200;
                darkest = std::min(darkest, luminance(pixel));
            }
        }
        if (name == "Blank.bmp" || name.startsWith("BlankWall")) {
            QCOMPARE(colours, QSet<QRgb>{qRgb(255, 255, 255)});
        } else if (name.startsWith("Wall")) {
            QCOMPARE(colours.size(), 1);
            QVERIFY(darkest < 100);
        } else {
            QVERIFY2(coloured * 10 >= picture.width() * picture.height(),
                     qPrintable(QString("only %1 coloured pixels").arg(coloured)));
            QVERIFY2(darkest < 140, qPrintable(QString("darkest luminance %1").arg(darkest)));
        }
    }

    // Direction variants are one figure turned or mirrored, so each arrow points the way its
    // letters say: GoL is GoD turned a quarter clockwise, AngleR is AngleL mirrored.
    void pointsTheWayItsNameSays_data()
    {
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("turned");
        QTest::addColumn<QString>("how");
        const QString downs[] = {"Go%1",           "Go%1%1",   "Go%1%1%1",
                                 "Go%1S",          "Laser%1",  "MotionLaser%1",
                                 "MarbleButton%1", "Spikes%1", "ShiftingBlock%1"};
        const std::pair<const char *, const char *> turns[] = {
            {"L", "turn 90"}, {"U", "turn 180"}, {"R", "turn 270"}};
        for (const QString &pattern : downs) {
            for (const auto &[letter, how] : turns) {
                const QString turned = pattern.arg(letter) + ".bmp";
                QTest::newRow(qPrintable(turned)) << pattern.arg("D") + ".bmp" << turned << how;
            }
        }
        for (const QString stem : {"Go", "Bridge", "Laser", "MotionLaser", "ShiftingBlock",
                                   "BlankWall", "Wall", "BreakWall", "BombWall", "ElectricGate"})
            QTest::newRow(qPrintable(stem + "V")) << stem + "H.bmp" << stem + "V.bmp"
                                                  << "turn 90";
        QTest::newRow("AngleR") << "AngleL.bmp"
                                << "AngleR.bmp"
                                << "mirror";
        QTest::newRow("GoDR") << "GoDL.bmp"
                              << "GoDR.bmp"
                              << "mirror";
        QTest::newRow("GoUL") << "GoDL.bmp"
                              << "GoUL.bmp"
                              << "flip";
        QTest::newRow("GoUR") << "GoDL.bmp"
                              << "GoUR.bmp"
                              << "mirror flip";
    }

    void pointsTheWayItsNameSays()
    {
        QFETCH(QString, base);
        QFETCH(QString, turned);
        QFETCH(QString, how);
        const QImage expected = transformed(pictureOf(base), how);
        const QImage actual = pictureOf(turned);
        QCOMPARE(actual.size(), expected.size());
        // Smoothed edges may fall a little differently once turned, never the figure.
        QVERIFY2(meanDifference(actual, expected) < 2.0,
                 qPrintable(QString("differs by %1").arg(meanDifference(actual, expected))));
    }

    void keysAndDoorsTakeTheirColour_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("hue");
        for (const QString stem : {"Key", "KeyDoor"}) {
            QTest::newRow(qPrintable(stem + "Blue")) << stem + "Blue.bmp" << 220;
            QTest::newRow(qPrintable(stem + "Green")) << stem + "Green.bmp" << 125;
            QTest::newRow(qPrintable(stem + "Red")) << stem + "Red.bmp" << 0;
        }
    }

    // Most strongly coloured pixels lie within 40 degrees of the hue the name gives.
    void keysAndDoorsTakeTheirColour()
    {
        QFETCH(QString, name);
        QFETCH(int, hue);
        const QImage picture = pictureOf(name);
        int strong = 0;
        int matching = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const QColor colour(picture.pixel(x, y));
                if (colour.hsvSaturation() < 128 || colour.value() < 80)
                    continue;
                ++strong;
                const int away = std::abs(colour.hsvHue() - hue) % 360;
                matching += std::min(away, 360 - away) <= 40;
            }
        }
        QVERIFY(strong > 50);
        QVERIFY2(matching * 10 >= strong * 9,
                 qPrintable(QString("%1 of %2 coloured pixels").arg(matching).arg(strong)));
    }
};

QTEST_MAIN(TestTiles)
#include "tst_tiles.moc"
