// Whatever the picture folder holds, a load ends either with the picture or with a report naming
// the file and the cause. Every row is tried twice: on the file loader alone, and as a click on a
// cell of an editor window, where the report must leave the editor running and every image, the
// clicked one included, as it was.

#include "app/form1.h"
#include "catalogue/catalogue.h"
#include "catalogue/pictureloader.h"
#include "support/bitmapwriter.h"
#include "support/windowimages.h"
#include "toolkit/image.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// What sits in the picture folder under the file name the click asks for.
enum class Setup
{
    Bytes, // a regular file holding the row's bytes
    NoFolder,
    FolderIsFile, // a regular file takes the picture folder's name
    NoFile,
    Folder,
    DanglingLink,
    LinkLoop,
    Pipe,
    FolderDanglingLink, // the picture folder is a link to a folder that is not there
    FolderLinkLoop,
};

// The palette of the test patterns. Colour 0 is not black, so that pixels a run-length bitmap
// skips (which show colour 0) differ from memory that was never written.
const QList<QRgb> colours = {qRgb(0, 0, 255),     qRgb(255, 0, 0),   qRgb(0, 255, 0),
                             qRgb(255, 255, 0),   qRgb(0, 255, 255), qRgb(255, 0, 255),
                             qRgb(255, 255, 255), qRgb(0, 0, 0)};

// Colour (x + 2y) mod `count` at every pixel, as an indexed picture.
QImage pattern(int width, int height, int count)
{
    QImage picture(width, height, QImage::Format_Indexed8);
    picture.setColorTable(colours.first(count));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, static_cast<uint>((x + 2 * y) % count));
    }
    return picture;
}

// An indexed picture from rows of colour numbers, top row first.
QImage fromIndices(const QList<QList<int>> &rows)
{
    QImage picture(static_cast<int>(rows.front().size()), static_cast<int>(rows.size()),
                   QImage::Format_Indexed8);
    picture.setColorTable(colours);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, static_cast<uint>(rows[y][x]));
    }
    return picture;
}

// A 6 × 4 run-length stream, bottom row first: a run and an absolute run (at least 3 pixels, padded
// to a whole word), end of line; a short run, end of line (the rest of that row is skipped); a
// skip of 3 right and 1 down (a whole row and three pixels); a run, end of bitmap (the rest is
// skipped).
// clang-format off
const QByteArray rle8Stream = QByteArray::fromHex("0301" "0003020304" "00" "0000"
                                                  "0205" "0000"
                                                  "00020301"
                                                  "0206" "0001");
const QByteArray rle4Stream = QByteArray::fromHex("0312" "00032340" "0000"
                                                  "0255" "0000"
                                                  "00020301"
                                                  "0267" "0001");
// clang-format on
const QList<QList<int>> rle8Picture = {
    {0, 0, 0, 6, 6, 0}, {0, 0, 0, 0, 0, 0}, {5, 5, 0, 0, 0, 0}, {1, 1, 1, 2, 3, 4}};
const QList<QList<int>> rle4Picture = {
    {0, 0, 0, 6, 7, 0}, {0, 0, 0, 0, 0, 0}, {5, 5, 0, 0, 0, 0}, {1, 2, 1, 2, 3, 4}};

QByteArray runLength(quint16 bits, const QByteArray &stream)
{
    const quint32 compression = bits == 8 ? bitmapwriter::Rle8 : bitmapwriter::Rle4;
    return bitmapwriter::file({6, 4, bits, compression}, colours, stream);
}

// Red and blue at levels that five bits hold (8 and 16 of 31 are 66 and 132 of 255), green at
// none or full, so that 5-5-5 and 5-6-5 pixels both come back exactly.
QImage levels()
{
    const int level[] = {0, 66, 132, 255};
    QImage picture(4, 2, QImage::Format_RGB32);
    for (int x = 0; x < 4; ++x) {
        picture.setPixel(x, 0, qRgb(level[x], 255, level[3 - x]));
        picture.setPixel(x, 1, qRgb(level[3 - x], 0, level[x]));
    }
    return picture;
}

// A colour pattern in which every other pixel is wholly transparent.
QImage seeThrough()
{
    QImage picture = pattern(5, 3, 8).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = y % 2; x < picture.width(); x += 2)
            picture.setPixel(x, y, qRgba(0, 0, 0, 0));
    }
    return picture;
}

QByteArray pngFile()
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    pattern(8, 8, 8).save(&buffer, "PNG");
    return bytes;
}

const QByteArray goodFile = bitmapwriter::plain(32, 32, qRgb(10, 20, 30));

// The file a click on a cell loads while the object selector shows the first type.
QString clickedFileName()
{
    return catalogue::objectFile(1, 1);
}

// A documents folder in a temporary directory, its picture folder set up as a row asks.
class PictureFolder
{
public:
    PictureFolder() : documents(dir.path() + QStringLiteral("/Documents")) {}

    QString folder() const { return documents + QStringLiteral("/pardovine"); }
    QString file() const { return folder() + QLatin1Char('/') + clickedFileName(); }

    bool prepare(Setup setup, const QByteArray &bytes)
    {
        const bool folderMissing = setup == Setup::NoFolder || setup == Setup::FolderIsFile ||
                                   setup == Setup::FolderDanglingLink ||
                                   setup == Setup::FolderLinkLoop;
        if (!dir.isValid() || !QDir().mkpath(folderMissing ? documents : folder()))
            return false;
        const QByteArray name = QFile::encodeName(file());
        switch (setup) {
        case Setup::Bytes:
            return write(bytes);
        case Setup::NoFolder:
        case Setup::NoFile:
            return true;
        case Setup::FolderIsFile: {
            QFile taken(folder());
            return taken.open(QIODevice::WriteOnly);
        }
        case Setup::Folder:
            return QDir().mkdir(file());
        case Setup::DanglingLink:
            return QFile::link(folder() + QStringLiteral("/nowhere.bmp"), file());
        case Setup::LinkLoop:
            return QFile::link(file() + QStringLiteral(".other"), file()) &&
                   QFile::link(file(), file() + QStringLiteral(".other"));
        case Setup::Pipe:
            return ::mkfifo(name.constData(), 0600) == 0;
        case Setup::FolderDanglingLink:
            return ::symlink("moved", QFile::encodeName(folder()).constData()) == 0;
        case Setup::FolderLinkLoop:
            return QFile::link(folder() + QStringLiteral(".other"), folder()) &&
                   QFile::link(folder(), folder() + QStringLiteral(".other"));
        }
        return false;
    }

    // Puts a good picture where the row's file was, whatever that was.
    bool replaceWithGoodPicture()
    {
        QFile::remove(file());
        QDir().rmdir(file());
        if (!QFileInfo(folder()).isDir())
            QFile::remove(folder());
        return QDir().mkpath(folder()) && write(goodFile);
    }

    QTemporaryDir dir;
    QString documents;

private:
    bool write(const QByteArray &bytes)
    {
        QFile out(file());
        return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size();
    }
};

// Whether two pictures have the same size and the same pixels, alpha included; says where they
// differ otherwise.
QString difference(const QImage &shown, const QImage &expected)
{
    if (shown.size() != expected.size())
        return QStringLiteral("size %1 × %2, expected %3 × %4")
            .arg(shown.width())
            .arg(shown.height())
            .arg(expected.width())
            .arg(expected.height());
    const QImage a = shown.convertToFormat(QImage::Format_ARGB32);
    const QImage b = expected.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            if (p != q)
                return QStringLiteral("pixel (%1, %2) is %3, expected %4")
                    .arg(x)
                    .arg(y)
                    .arg(QColor::fromRgba(p).name(QColor::HexArgb),
                         QColor::fromRgba(q).name(QColor::HexArgb));
        }
    }
    return {};
}

} // namespace

class TestBadPictures : public QObject
{
    Q_OBJECT

private slots:
    void loadDirectly_data();
    void loadDirectly();
    void clickOnCell_data();
    void clickOnCell();

private:
    void addRows();
};

void TestBadPictures::addRows()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QImage>("expected"); // null when the load must fail
    QTest::addColumn<QString>("cause");

    const QImage colour = pattern(5, 3, 8).convertToFormat(QImage::Format_RGB32);
    const QByteArray good = bitmapwriter::uncompressed(colour, 24);
    const auto shows = [](const char *name, const QByteArray &bytes, const QImage &picture) {
        QTest::newRow(name) << Setup::Bytes << bytes << picture << QString();
    };
    const auto fails = [](const char *name, Setup setup, const QByteArray &bytes,
                          const QString &cause) {
        QTest::newRow(name) << setup << bytes << QImage() << cause;
    };
    const bitmapwriter::Masks rgb565 = {0xf800, 0x07e0, 0x001f, 0};
    const bitmapwriter::Masks argb = {0xff0000, 0xff00, 0xff, 0xff000000};

    shows("1-bit", bitmapwriter::uncompressed(pattern(11, 3, 2), 1), pattern(11, 3, 2));
    shows("4-bit", bitmapwriter::uncompressed(pattern(7, 3, 8), 4), pattern(7, 3, 8));
    shows("8-bit", bitmapwriter::uncompressed(pattern(6, 4, 8), 8), pattern(6, 4, 8));
    shows("16-bit", bitmapwriter::uncompressed(levels(), 16), levels());
    shows("16-bit 5-6-5", bitmapwriter::bitFields(levels(), 16, rgb565), levels());
    shows("16-bit 5-6-5, 52-byte header", bitmapwriter::bitFields(levels(), 16, rgb565, 52),
          levels());
    shows("32-bit with alpha, 56-byte header", bitmapwriter::bitFields(seeThrough(), 32, argb, 56),
          seeThrough());
    shows("8-bit, 56-byte header", bitmapwriter::uncompressed(pattern(6, 4, 8), 8, false, 56),
          pattern(6, 4, 8));
    shows("24-bit", good, colour);
    shows("32-bit", bitmapwriter::uncompressed(colour, 32), colour);
    shows("24-bit top-down", bitmapwriter::uncompressed(colour, 24, true), colour);
    shows("RLE8 with skips", runLength(8, rle8Stream), fromIndices(rle8Picture));
    shows("RLE4 with skips", runLength(4, rle4Stream), fromIndices(rle4Picture));
    const QImage large = pattern(40, 24, 8).convertToFormat(QImage::Format_RGB32);
    shows("larger than its slot", bitmapwriter::uncompressed(large, 24), large);

    fails("folder missing", Setup::NoFolder, {},
          "tolvane-tiles\" to put the sample tiles there; if you have tiles of your own, put them "
          "there and run \"");
    fails("folder name taken by a file", Setup::FolderIsFile, {}, "is a file, not a folder");
    fails("file missing", Setup::NoFile, {},
          " --check\" names every picture that the folder lacks or that the editor cannot load");
    fails("zero bytes", Setup::Bytes, {}, "it is not a picture: it is not a Windows bitmap");
    fails("folder with the file's name", Setup::Folder, {}, "it is not a picture file");
    fails("dangling link", Setup::DanglingLink, {}, "it is a link to a file that is missing");
    fails("link loop", Setup::LinkLoop, {}, "the file cannot be read");
    fails("folder a link to nowhere", Setup::FolderDanglingLink, {},
          "is a link to \"moved\", where there is no folder. Remove the link, or make the folder");
    fails("folder a loop of links", Setup::FolderLinkLoop, {},
          "is a link that leads round a loop of links");
    fails("named pipe", Setup::Pipe, {}, "it is not a picture file");
    fails("truncated header", Setup::Bytes, good.left(30), "the file ends inside its header");
    fails("truncated pixel data", Setup::Bytes, good.chopped(5),
          "the file is shorter than its header says");
    fails("wrong magic", Setup::Bytes, QByteArray("BN") + good.mid(2),
          "it is not a Windows bitmap");
    fails("50000 × 50000", Setup::Bytes, bitmapwriter::file({50000, 50000}, {}, good.mid(54)),
          "it declares a picture of 50000 × 50000 pixels, larger than 4096 × 4096");
    fails("4096 × 4096 in 1 KiB", Setup::Bytes,
          bitmapwriter::file({4096, 4096, 8, bitmapwriter::Rle8}, colours, rle8Stream),
          "4096 × 4096 pixels, which would take 64 MiB of memory; a picture may take at most 1 "
          "MiB (512 × 512 pixels)");
    fails("just over the limit", Setup::Bytes, bitmapwriter::file({513, 512}, {}, good.mid(54)),
          "513 × 512 pixels, which would take 1.01 MiB");
    fails("zero width", Setup::Bytes, bitmapwriter::file({0, 3}, {}, good.mid(54)),
          "its header declares no valid picture size");
    fails("zero height", Setup::Bytes, bitmapwriter::file({5, 0}, {}, good.mid(54)),
          "its header declares no valid picture size");
    fails("negative width", Setup::Bytes, bitmapwriter::file({-5, 3}, {}, good.mid(54)),
          "its header declares no valid picture size");
    fails("RLE8 without its end", Setup::Bytes, runLength(8, rle8Stream.chopped(4)),
          "the file ends inside its compressed pixel data");
    fails("RLE8 cut in an absolute run", Setup::Bytes, runLength(8, rle8Stream.left(5)),
          "the file ends inside its compressed pixel data");
    fails("RLE4 without its end", Setup::Bytes, runLength(4, rle4Stream.chopped(2)),
          "the file ends inside its compressed pixel data");
    fails("PNG named .bmp", Setup::Bytes, pngFile(), "it is not a Windows bitmap");
}

void TestBadPictures::loadDirectly_data()
{
    addRows();
}

void TestBadPictures::loadDirectly()
{
    QFETCH(Setup, setup);
    QFETCH(QByteArray, bytes);
    QFETCH(QImage, expected);
    QFETCH(QString, cause);

    PictureFolder pictures;
    QVERIFY(pictures.prepare(setup, bytes));
    const catalogue::FilePictureLoader loader(QFile::encodeName(pictures.documents));
    const QString path = catalogue::picturePath(clickedFileName());

    try {
        const QPixmap picture = loader.loadPicture(path);
        QVERIFY2(!expected.isNull(), "the load did not fail");
        const QString fault = difference(picture.toImage(), expected);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    } catch (const catalogue::PictureLoadError &error) {
        QVERIFY2(expected.isNull(), error.what());
        QCOMPARE(error.file(), pictures.file());
        QVERIFY2(error.cause().contains(cause), qPrintable(error.cause()));
    }
}

void TestBadPictures::clickOnCell_data()
{
    addRows();
}

void TestBadPictures::clickOnCell()
{
    QFETCH(Setup, setup);
    QFETCH(QByteArray, bytes);
    QFETCH(QImage, expected);
    QFETCH(QString, cause);

    PictureFolder pictures;
    QVERIFY(pictures.prepare(setup, bytes));
    const catalogue::FilePictureLoader loader(QFile::encodeName(pictures.documents));
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
        const QString fault = difference(cell->Picture().toImage(), expected);
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
    QCOMPARE(next->Picture().toImage().pixel(0, 0), qRgb(10, 20, 30));
}

QTEST_MAIN(TestBadPictures)
#include "tst_badpictures.moc"
