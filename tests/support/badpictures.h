#pragma once

#include <QImage>
#include <QString>
#include <QTemporaryDir>

// The good and bad picture files that the picture tests try, one QtTest row each, and the picture
// folder that a row sets up.
namespace support {

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
};

// The colour of the good picture that PictureFolder::replaceWithGoodPicture() puts in place.
inline constexpr QRgb goodPictureColour = qRgb(10, 20, 30);

// Adds the columns setup, bytes, expected (null when the load must fail), tolerance and cause, and
// a row for every good and every bad picture file.
void addPictureRows();

// The file a click on a cell loads while the object selector shows the first type.
QString clickedFileName();

// A documents folder in a temporary directory, its picture folder set up as a row asks.
class PictureFolder
{
public:
    PictureFolder() : documents(dir.path() + QStringLiteral("/Documents")) {}

    QString folder() const { return documents + QStringLiteral("/pardovine"); }
    QString file() const { return folder() + QLatin1Char('/') + clickedFileName(); }

    bool prepare(Setup setup, const QByteArray &bytes);
    // Puts a good picture where the row's file was, whatever that was.
    bool replaceWithGoodPicture();

    QTemporaryDir dir;
    QString documents;

private:
    bool write(const QByteArray &bytes);
};

// Whether two pictures have the same size and, channel by channel, pixels no further apart than
// `tolerance`; says where they differ otherwise.
QString difference(const QImage &shown, const QImage &expected, int tolerance);

} // namespace support
