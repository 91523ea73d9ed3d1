// The design-time pictures as committed in assets/: read byte by byte from the files, so that
// their stored form is checked and not only what a tolerant decoder makes of them, and read again
// through the compiled-in resources the window uses.

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtTest>
#include <functional>

namespace {

constexpr int FileHeaderSize = 14;
constexpr int InfoHeaderSize = 40;
const QRgb White = qRgb(255, 255, 255);
const QRgb Black = qRgb(0, 0, 0);
const QRgb Yellow = qRgb(255, 255, 0);
const QRgb Olive = qRgb(128, 128, 0);
const QRgb DarkGreen = qRgb(0, 128, 0);
const QRgb BrightGreen = qRgb(0, 255, 0);
const QRgb Blue = qRgb(0, 0, 255);
const QRgb Red = qRgb(255, 0, 0);

QString assetPath(const QString &name)
{
    return QStringLiteral(TOLVANE_SOURCE_DIR "/assets/") + name;
}

quint32 littleEndian(const QByteArray &bytes, int offset, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<quint8>(bytes.at(offset + i));
    return value;
}

int rowBytes(int width)
{
    return (3 * width + 3) / 4 * 4;
}

QString describe(int x, int y, QRgb pixel)
{
    return QStringLiteral("pixel (%1, %2) is %3").arg(x).arg(y).arg(QColor(pixel).name());
}

// A 24-bit bottom-up bitmap as its header describes it; the header itself is checked by
// fileFormat().
class Bitmap
{
public:
    explicit Bitmap(const QString &name)
    {
        QFile file(assetPath(name));
        if (file.open(QIODevice::ReadOnly))
            bytes = file.readAll();
        if (bytes.size() >= FileHeaderSize + InfoHeaderSize) {
            width = static_cast<int>(littleEndian(bytes, 18, 4));
            height = static_cast<int>(littleEndian(bytes, 22, 4));
        }
    }

    bool isComplete() const
    {
        return width > 0 && height > 0 &&
               bytes.size() >= FileHeaderSize + InfoHeaderSize + rowBytes(width) * height;
    }

    QRgb at(int x, int y) const
    {
        const int offset =
            FileHeaderSize + InfoHeaderSize + (height - 1 - y) * rowBytes(width) + 3 * x;
        return qRgb(static_cast<quint8>(bytes.at(offset + 2)),
                    static_cast<quint8>(bytes.at(offset + 1)),
                    static_cast<quint8>(bytes.at(offset)));
    }

    QByteArray bytes;
    int width = 0;
    int height = 0;
};

// The first row, scanning from the top or from the bottom, with a pixel that passes the test.
int firstRowWhere(const Bitmap &bitmap, const std::function<bool(QRgb)> &test, bool fromTop)
{
    for (int i = 0; i < bitmap.height; ++i) {
        const int y = fromTop ? i : bitmap.height - 1 - i;
        for (int x = 0; x < bitmap.width; ++x) {
            if (test(bitmap.at(x, y)))
                return y;
        }
    }
    return -1;
}

bool isFigure(QRgb pixel)
{
    return pixel != White;
}

bool isFace(QRgb pixel)
{
    return pixel == Yellow || pixel == Olive;
}

bool isCapOutline(QRgb pixel)
{
    return pixel == DarkGreen;
}

} // namespace

class TestDesignPictures : public QObject
{
    Q_OBJECT

private slots:
    void fileFormat_data();
    void fileFormat();
    void blankPicture_data();
    void blankPicture();
    void cornerPost();
    void objectSampleColourCount_data();
    void objectSampleColourCount();
    void objectSampleUsesOnlyItsColours();
    void objectSampleMargins();
    void objectSampleFaceIsSymmetric();
    void resourceMatchesFile_data();
    void resourceMatchesFile();
    void programIcon();
    void desktopIcon_data();
    void desktopIcon();
    void scalableIcon();

private:
    void addBitmapRows();
};

void TestDesignPictures::addBitmapRows()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("fileSize");
    QTest::newRow("cell") << "cell.bmp" << 32 << 32 << 3126;
    QTest::newRow("hwall") << "hwall.bmp" << 32 << 10 << 1014;
    QTest::newRow("vwall") << "vwall.bmp" << 10 << 32 << 1078;
    QTest::newRow("corner") << "corner.bmp" << 10 << 10 << 374;
    QTest::newRow("objsample") << "objsample.bmp" << 32 << 32 << 3126;
}

void TestDesignPictures::fileFormat_data()
{
    addBitmapRows();
}

void TestDesignPictures::fileFormat()
{
    QFETCH(QString, name);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, fileSize);

    const Bitmap bitmap(name);
    const QByteArray &bytes = bitmap.bytes;
    QCOMPARE(bytes.size(), fileSize);
    QCOMPARE(bytes.left(2), QByteArray("BM"));
    QCOMPARE(littleEndian(bytes, 2, 4), quint32(fileSize));
    QCOMPARE(littleEndian(bytes, 6, 4), 0u);                                        // reserved
    QCOMPARE(littleEndian(bytes, 10, 4), quint32(FileHeaderSize + InfoHeaderSize)); // no palette
    QCOMPARE(littleEndian(bytes, 14, 4), quint32(InfoHeaderSize));
    QCOMPARE(littleEndian(bytes, 18, 4), quint32(width));
    QCOMPARE(littleEndian(bytes, 22, 4), quint32(height)); // positive: rows stored bottom-up
    QCOMPARE(littleEndian(bytes, 26, 2), 1u);              // planes
    QCOMPARE(littleEndian(bytes, 28, 2), 24u);             // bits per pixel
    QCOMPARE(littleEndian(bytes, 30, 4), 0u);              // uncompressed
    const quint32 imageSize = littleEndian(bytes, 34, 4);
    QVERIFY(imageSize == 0 || imageSize == quint32(rowBytes(width) * height));
    QCOMPARE(littleEndian(bytes, 38, 4), 3780u);
    QCOMPARE(littleEndian(bytes, 42, 4), 3780u);
    QCOMPARE(littleEndian(bytes, 46, 4), 0u); // colours used
    QCOMPARE(littleEndian(bytes, 50, 4), 0u); // important colours

    // Each row is padded to a multiple of four bytes, with zeros.
    QCOMPARE(bytes.size(), FileHeaderSize + InfoHeaderSize + rowBytes(width) * height);
    for (int row = 0; row < height; ++row) {
        const int rowStart = FileHeaderSize + InfoHeaderSize + row * rowBytes(width);
        for (int i = 3 * width; i < rowBytes(width); ++i)
            QCOMPARE(bytes.at(rowStart + i), '\0');
    }
}

void TestDesignPictures::blankPicture_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("cell") << "cell.bmp";
    QTest::newRow("hwall") << "hwall.bmp";
    QTest::newRow("vwall") << "vwall.bmp";
}

void TestDesignPictures::blankPicture()
{
    QFETCH(QString, name);
    const Bitmap bitmap(name);
    QVERIFY(bitmap.isComplete());
    for (int y = 0; y < bitmap.height; ++y) {
        for (int x = 0; x < bitmap.width; ++x)
            QVERIFY2(bitmap.at(x, y) == White, qPrintable(describe(x, y, bitmap.at(x, y))));
    }
}

void TestDesignPictures::cornerPost()
{
    const Bitmap bitmap("corner.bmp");
    QVERIFY(bitmap.isComplete());
    QCOMPARE(bitmap.width, 10);
    QCOMPARE(bitmap.height, 10);
    int whitePixels = 0;
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            const bool inWhiteBlock = (y <= 1 || y >= 8) && (x <= 1 || x >= 8);
            const QRgb expected = inWhiteBlock ? White : Black;
            QVERIFY2(bitmap.at(x, y) == expected, qPrintable(describe(x, y, bitmap.at(x, y))));
            whitePixels += inWhiteBlock ? 1 : 0;
        }
    }
    QCOMPARE(whitePixels, 16);
}

void TestDesignPictures::objectSampleColourCount_data()
{
    QTest::addColumn<QRgb>("colour");
    QTest::addColumn<int>("count");
    QTest::newRow("white") << White << 655;
    QTest::newRow("bright green") << BrightGreen << 129;
    QTest::newRow("yellow") << Yellow << 102;
    QTest::newRow("dark green") << DarkGreen << 56;
    QTest::newRow("olive") << Olive << 34;
    QTest::newRow("blue") << Blue << 28;
    QTest::newRow("red") << Red << 20;
}

void TestDesignPictures::objectSampleColourCount()
{
    QFETCH(QRgb, colour);
    QFETCH(int, count);
    const Bitmap bitmap("objsample.bmp");
    QVERIFY(bitmap.isComplete());
    int found = 0;
    for (int y = 0; y < bitmap.height; ++y) {
        for (int x = 0; x < bitmap.width; ++x)
            found += bitmap.at(x, y) == colour ? 1 : 0;
    }
    QCOMPARE(found, count);
}

void TestDesignPictures::objectSampleUsesOnlyItsColours()
{
    const QList<QRgb> palette{White, BrightGreen, Yellow, DarkGreen, Olive, Blue, Red};
    const Bitmap bitmap("objsample.bmp");
    QVERIFY(bitmap.isComplete());
    for (int y = 0; y < bitmap.height; ++y) {
        for (int x = 0; x < bitmap.width; ++x) {
            QVERIFY2(palette.contains(bitmap.at(x, y)),
                     qPrintable(describe(x, y, bitmap.at(x, y))));
        }
    }
}

void TestDesignPictures::objectSampleMargins()
{
    const Bitmap bitmap("objsample.bmp");
    QVERIFY(bitmap.isComplete());
    QCOMPARE(firstRowWhere(bitmap, isFigure, true), 4);
    QCOMPARE(firstRowWhere(bitmap, isFigure, false), bitmap.height - 1 - 3);

    // Centred across: as many blank columns to the left of the figure as to its right.
    int left = bitmap.width;
    int right = -1;
    for (int y = 0; y < bitmap.height; ++y) {
        for (int x = 0; x < bitmap.width; ++x) {
            if (isFigure(bitmap.at(x, y))) {
                left = qMin(left, x);
                right = qMax(right, x);
            }
        }
    }
    QVERIFY(right >= 0);
    QCOMPARE(left, bitmap.width - 1 - right);
}

void TestDesignPictures::objectSampleFaceIsSymmetric()
{
    const Bitmap bitmap("objsample.bmp");
    QVERIFY(bitmap.isComplete());
    const int faceTop = firstRowWhere(bitmap, isFace, true);
    QVERIFY(faceTop > 0);
    // The cap, outlined in dark green, sits on the face.
    const int capTop = firstRowWhere(bitmap, isCapOutline, true);
    QVERIFY(capTop >= 0 && capTop < faceTop);
    for (int y = faceTop; y < bitmap.height; ++y) {
        for (int x = 0; x < bitmap.width / 2; ++x) {
            const int mirrored = bitmap.width - 1 - x;
            QVERIFY2(bitmap.at(x, y) == bitmap.at(mirrored, y),
                     qPrintable(describe(x, y, bitmap.at(x, y)) + " but " +
                                describe(mirrored, y, bitmap.at(mirrored, y))));
        }
    }
}

void TestDesignPictures::resourceMatchesFile_data()
{
    addBitmapRows();
}

// The window shows the compiled-in copies; they must decode to the committed pictures.
void TestDesignPictures::resourceMatchesFile()
{
    QFETCH(QString, name);
    QFETCH(int, width);
    QFETCH(int, height);

    const QImage image(":/assets/" + name);
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), QSize(width, height));
    const Bitmap bitmap(name);
    QVERIFY(bitmap.isComplete());
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            QVERIFY2(image.pixel(x, y) == bitmap.at(x, y),
                     qPrintable(describe(x, y, image.pixel(x, y)) + " in the resource, " +
                                QColor(bitmap.at(x, y)).name() + " in the file"));
        }
    }
}

// The icon is the mushroom doubled without smoothing, on a transparent ground.
void TestDesignPictures::programIcon()
{
    const QImage icon(":/assets/tolvane.png");
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.size(), QSize(64, 64));
    const Bitmap sample("objsample.bmp");
    QVERIFY(sample.isComplete());
    for (int y = 0; y < icon.height(); ++y) {
        for (int x = 0; x < icon.width(); ++x) {
            const QRgb expected = sample.at(x / 2, y / 2);
            const QRgb pixel = icon.pixel(x, y);
            if (qAlpha(pixel) == 0) {
                QVERIFY2(expected == White,
                         qPrintable(describe(x, y, pixel) + " (transparent) over the figure"));
                continue;
            }
            QCOMPARE(qAlpha(pixel), 255);
            QVERIFY2(pixel == expected,
                     qPrintable(describe(x, y, pixel) + ", figure has " + QColor(expected).name()));
        }
    }
}

void TestDesignPictures::desktopIcon_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("drawing"); // the size of the drawing it enlarges
    QTest::newRow("16") << 16 << 16;
    QTest::newRow("32") << 32 << 32;
    QTest::newRow("48") << 48 << 16;
    QTest::newRow("128") << 128 << 32;
    QTest::newRow("256") << 256 << 32;
}

// The desktop's icons: crisp, each pixel of the drawing a whole square; those enlarged from the
// object sample show the same figure as the window's icon.
void TestDesignPictures::desktopIcon()
{
    QFETCH(int, size);
    QFETCH(int, drawing);
    const QImage icon(assetPath(QStringLiteral("icons/tolvane-%1.png").arg(size)));
    QCOMPARE(icon.size(), QSize(size, size));
    const QImage windowIcon(assetPath("tolvane.png"));
    const int scale = size / drawing;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const QRgb pixel = icon.pixel(x, y);
            QVERIFY2(pixel == icon.pixel(x - x % scale, y - y % scale),
                     qPrintable(describe(x, y, pixel) + ", not its square's colour"));
            if (drawing == 32) {
                QVERIFY2(pixel == windowIcon.pixel(x * 64 / size, y * 64 / size),
                         qPrintable(describe(x, y, pixel) + ", unlike the window's icon"));
            }
        }
    }
}

// The scalable icon: the window icon's figure as unit squares on a 32-unit canvas, filled in by
// reading its shapes (rectangles, as the design-picture tool writes them), nothing outside it.
void TestDesignPictures::scalableIcon()
{
    QFile file(assetPath("icons/tolvane.svg"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QImage drawn(32, 32, QImage::Format_ARGB32);
    drawn.fill(Qt::transparent);
    const QRegularExpression rectangle(QStringLiteral("^M(\\d+) (\\d+)h(\\d+)v(\\d+)h-\\3z"));
    QXmlStreamReader svg(&file);
    while (svg.readNextStartElement()) {
        const QXmlStreamAttributes attributes = svg.attributes();
        if (svg.name() == QLatin1String("svg")) {
            QCOMPARE(attributes.value("viewBox"), QLatin1String("0 0 32 32"));
            continue;
        }
        QCOMPARE(svg.name(), QLatin1String("path"));
        const QColor fill(attributes.value("fill"));
        QString shapes = attributes.value("d").toString();
        for (QRegularExpressionMatch m; (m = rectangle.match(shapes)).hasMatch();
             shapes.remove(0, m.capturedLength())) {
            const auto at = [&m](int n) { return m.captured(n).toInt(); };
            for (int y = at(2); y < at(2) + at(4); ++y) {
                for (int x = at(1); x < at(1) + at(3); ++x)
                    drawn.setPixel(x, y, fill.rgb());
            }
        }
        QVERIFY2(shapes.isEmpty(), qPrintable("not a rectangle: " + shapes));
        svg.skipCurrentElement();
    }
    QVERIFY2(!svg.hasError(), qPrintable(svg.errorString()));
    QCOMPARE(drawn, QImage(assetPath("tolvane.png"))
                        .scaled(32, 32, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                        .convertToFormat(QImage::Format_ARGB32));
}

QTEST_GUILESS_MAIN(TestDesignPictures)
#include "tst_designpictures.moc"
