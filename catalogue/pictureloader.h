#pragma once

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <stdexcept>

namespace catalogue {

// The user's documents folder, named byte for byte as the file system names it: XDG_DOCUMENTS_DIR
// from the user folder settings ($XDG_CONFIG_HOME/user-dirs.dirs, ~/.config/user-dirs.dirs without
// it), its last such line with one pair of quotes removed, when it is an absolute path or one under
// $HOME; else ~/Documents. Qt decodes these names as UTF-8 and loses whatever bytes are not; a
// folder whose name is in another encoding is found here all the same.
struct DocumentsFolder
{
    QByteArray folder; // empty when there is none: HOME is not set, or no folder
    // Why there is no folder; or, beside one, why the settings' value was set aside for it.
    QString problem;
};
DocumentsFolder documentsFolder();

// Why a picture could not be loaded; what() is the whole message shown to the user.
class PictureLoadError : public std::runtime_error
{
public:
    PictureLoadError(const QString &file, const QString &cause);

    const QString &file() const { return m_file; }
    const QString &cause() const { return m_cause; }

private:
    QString m_file;
    QString m_cause;
};

// Turns a picture path, as the catalogues write it, into a new picture. Every call reads the file
// again: nothing is cached, and every picture returned belongs to its caller alone.
class PictureLoader
{
public:
    virtual ~PictureLoader() = default;

    // Throws PictureLoadError when the file is missing, unreadable or not a picture.
    virtual QPixmap loadPicture(const QString &path) const = 0;
};

// Loads pictures from the disk. On a system without drive letters the catalogues' "c:/My
// Documents/" stands for the user's documents folder, so ".../pardovine/Bow.bmp" is read from
// ~/Documents/pardovine/Bow.bmp. Only regular files are opened, without blocking, and only
// Windows bitmaps whose header promises a picture of bounded size and no more than the file holds
// are decoded.
class FilePictureLoader : public PictureLoader
{
public:
    // The documents folder is the user's, looked up once here (see documentsFolder()).
    FilePictureLoader();
    explicit FilePictureLoader(const QByteArray &documentsFolder);

    // Throws PictureLoadError also when the picture is larger than a picture may be, or there is
    // no memory to hold it.
    QPixmap loadPicture(const QString &path) const override;

    // Reads and decodes the file `name` (as the file system names it) as loadPicture() does, with
    // the same checks and causes, but leaves it an image: no GUI application is needed.
    static QImage loadImage(const QByteArray &name);

    // Where on this system the file of a picture path lies, as the file system names it; empty
    // when it lies in a documents folder that there is none of.
    QByteArray fileName(const QString &path) const;
    // The same as text, as reports show it: bytes that are not UTF-8 become replacement characters.
    QString filePath(const QString &path) const { return QFile::decodeName(fileName(path)); }

private:
    DocumentsFolder m_documents;
};

// The bitmap reader. The largest picture accepted, in either direction, and what one picture may
// cost once decoded, at the 4 bytes a pixel that a shown picture takes: 512 × 512 pixels. A board
// of such pictures (100 cells, 180 wall slots and 3 samples) takes 283 MiB at most, while a
// 32 × 32 tile takes 4 KiB.
inline constexpr int maxPictureSide = 4096;
inline constexpr qint64 maxPictureBytes = 1024 * 1024;

// Decodes the bytes of a picture file, a Windows bitmap whose headers are sound and whose picture
// is within the limits above. Throws PictureLoadError naming `nameForErrors` when the bytes are not
// such a picture or there is no memory to hold it; never returns a null image.
QImage decodePicture(const QByteArray &data, const QString &nameForErrors);

// The cause of a load whose picture of `size` could not be held.
QString noMemoryFor(QSize size);

} // namespace catalogue
