#include "badpictures.h"

#include "bitmapwriter.h"
#include "catalogue/objectcatalogue.h"
#include "catalogue/picturepath.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QtTest>
#include <sys/stat.h>

namespace support {

namespace {

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

QByteArray pngFile()
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    pattern(8, 8, 8).save(&buffer, "PNG");
    return bytes;
}

const QByteArray goodFile = bitmapwriter::plain(32, 32, goodPictureColour);

} // namespace

QString clickedFileName()
{
    return QString::fromLatin1(
        catalogue::pictureFileName(catalogue::objectTypes().front().pictures.front()));
}

bool PictureFolder::prepare(Setup setup, const QByteArray &bytes)
{
    const bool folderMissing = setup == Setup::NoFolder || setup == Setup::FolderIsFile;
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
    }
    return false;
}

bool PictureFolder::replaceWithGoodPicture()
{
    QFile::remove(file());
    QDir().rmdir(file());
    if (!QFileInfo(folder()).isDir())
        QFile::remove(folder());
    return QDir().mkpath(folder()) && write(goodFile);
}

bool PictureFolder::write(const QByteArray &bytes)
{
    QFile out(file());
    return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size();
}

QString difference(const QImage &shown, const QImage &expected, int tolerance)
{
    if (shown.size() != expected.size())
        return QStringLiteral("size %1 × %2, expected %3 × %4")
            .arg(shown.width())
            .arg(shown.height())
            .arg(expected.width())
            .arg(expected.height());
    const QImage a = shown.convertToFormat(QImage::Format_RGB32);
    const QImage b = expected.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            if (qAbs(qRed(p) - qRed(q)) > tolerance || qAbs(qGreen(p) - qGreen(q)) > tolerance ||
                qAbs(qBlue(p) - qBlue(q)) > tolerance)
                return QStringLiteral("pixel (%1, %2) is %3, expected %4")
                    .arg(x)
                    .arg(y)
                    .arg(QColor(p).name(), QColor(q).name());
        }
    }
    return {};
}

void addPictureRows()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QImage>("expected"); // null when the load must fail
    QTest::addColumn<int>("tolerance");
    QTest::addColumn<QString>("cause");

    const QImage colour = pattern(5, 3, 8).convertToFormat(QImage::Format_RGB32);
    const QByteArray good = bitmapwriter::uncompressed(colour, 24);
    const auto shows = [](const char *name, const QByteArray &bytes, const QImage &picture,
                          int tolerance = 0) {
        QTest::newRow(name) << Setup::Bytes << bytes << picture << tolerance << QString();
    };
    const auto fails = [](const char *name, Setup setup, const QByteArray &bytes,
                          const QString &cause) {
        QTest::newRow(name) << setup << bytes << QImage() << 0 << cause;
    };

    shows("1-bit", bitmapwriter::uncompressed(pattern(11, 3, 2), 1), pattern(11, 3, 2));
    shows("4-bit", bitmapwriter::uncompressed(pattern(7, 3, 8), 4), pattern(7, 3, 8));
    shows("8-bit", bitmapwriter::uncompressed(pattern(6, 4, 8), 8), pattern(6, 4, 8));
    // Five bits a channel: full intensity may come back as 248 rather than 255.
    shows("16-bit", bitmapwriter::uncompressed(colour, 16), colour, 7);
    shows("24-bit", good, colour);
    shows("32-bit", bitmapwriter::uncompressed(colour, 32), colour);
    shows("24-bit top-down", bitmapwriter::uncompressed(colour, 24, true), colour);
    shows("RLE8 with skips", runLength(8, rle8Stream), fromIndices(rle8Picture));
    shows("RLE4 with skips", runLength(4, rle4Stream), fromIndices(rle4Picture));
    const QImage large = pattern(40, 24, 8).convertToFormat(QImage::Format_RGB32);
    shows("larger than its slot", bitmapwriter::uncompressed(large, 24), large);

    fails("folder missing", Setup::NoFolder, {}, "its folder is missing. The sample tiles are put");
    fails("folder name taken by a file", Setup::FolderIsFile, {}, "is a file, not a folder");
    fails("file missing", Setup::NoFile, {}, "the file is missing");
    fails("zero bytes", Setup::Bytes, {}, "it is not a picture: it is not a Windows bitmap");
    fails("folder with the file's name", Setup::Folder, {}, "it is not a picture file");
    fails("dangling link", Setup::DanglingLink, {}, "it is a link to a file that is missing");
    fails("link loop", Setup::LinkLoop, {}, "the file cannot be read");
    fails("named pipe", Setup::Pipe, {}, "it is not a picture file");
    fails("truncated header", Setup::Bytes, good.left(30), "the file ends inside its header");
    fails("truncated pixel data", Setup::Bytes, good.chopped(5),
          "the file is shorter than its header says");
    fails("wrong magic", Setup::Bytes, QByteArray("BN") + good.mid(2),
          "it is not a Windows bitmap");
    fails("50000 × 50000", Setup::Bytes, bitmapwriter::file({50000, 50000}, {}, good.mid(54)),
          "it declares a picture of 50000 × 50000 pixels, larger than 4096 × 4096");
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

} // namespace support
