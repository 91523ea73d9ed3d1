#include "catalogue/filepictureloader.h"

#include "catalogue/bitmapcheck.h"
#include "catalogue/documentsfolder.h"
#include "catalogue/openfailure.h"
#include "catalogue/picturedecoder.h"
#include "catalogue/picturepath.h"
#include "catalogue/regularfile.h"

#include <QCoreApplication>
#include <QFile>
#include <new>

namespace catalogue {

namespace {

// The largest file a picture within maxPictureBytes needs is an uncompressed 32-bit one of that
// size; twice that leaves room for headers and a palette. A larger file is not read at all.
constexpr qint64 maxFileBytes = 2 * maxPictureBytes;

// Reads the whole of a regular file into memory, or throws why it cannot.
QByteArray readPictureFile(const QByteArray &name)
{
    RegularFile file = readRegularFile(name, maxFileBytes);
    const QString shownName = QFile::decodeName(name);
    switch (file.outcome) {
    case RegularFile::Read:
        break;
    case RegularFile::Failed:
        throw PictureLoadError(shownName, openFailure(name, file.error));
    case RegularFile::NotRegular:
        throw PictureLoadError(
            shownName, QCoreApplication::translate("PictureLoad", "it is not a picture file"));
    case RegularFile::TooLarge:
        throw PictureLoadError(
            shownName,
            QCoreApplication::translate("PictureLoad", "it is too large to be a tile picture"));
    }
    return std::move(file.data);
}

// What `load` returns; a failed allocation in it becomes the load error a user is shown about the
// file `name`.
template <typename Load> auto withinMemory(const QByteArray &name, Load load)
{
    try {
        return load();
    } catch (const std::bad_alloc &) {
        // Qt's containers throw this where a picture's pixels come back empty instead.
        throw PictureLoadError(
            QFile::decodeName(name),
            QCoreApplication::translate("PictureLoad", "there is not enough memory to load it"));
    }
}

} // namespace

FilePictureLoader::FilePictureLoader() : FilePictureLoader(documentsFolder()) {}

FilePictureLoader::FilePictureLoader(const QByteArray &documentsFolder)
    : m_documentsFolder(documentsFolder)
{}

FilePictureLoader::FilePictureLoader(const QString &documentsFolder)
    : FilePictureLoader(QFile::encodeName(documentsFolder))
{}

QByteArray FilePictureLoader::fileName(const QString &path) const
{
#ifdef Q_OS_WIN
    return QFile::encodeName(path);
#else
    if (path.startsWith(documentsPart))
        return m_documentsFolder + '/' + QFile::encodeName(path.mid(documentsPart.size()));
    return QFile::encodeName(path);
#endif
}

QString FilePictureLoader::filePath(const QString &path) const
{
    return QFile::decodeName(fileName(path));
}

QImage FilePictureLoader::loadImage(const QByteArray &name)
{
    return withinMemory(
        name, [&] { return decodePicture(readPictureFile(name), QFile::decodeName(name)); });
}

QPixmap FilePictureLoader::loadPicture(const QString &path) const
{
    const QByteArray name = fileName(path);
    const QImage image = loadImage(name);
    return withinMemory(name, [&] {
        const QPixmap picture = QPixmap::fromImage(image);
        if (picture.isNull())
            throw PictureLoadError(QFile::decodeName(name), noMemoryFor(image.size()));
        return picture;
    });
}

} // namespace catalogue
