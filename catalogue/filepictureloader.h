#pragma once

#include "catalogue/pictureloader.h"

#include <QByteArray>

namespace catalogue {

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
    explicit FilePictureLoader(const QString &documentsFolder);

    // Throws PictureLoadError also when the picture is larger than a picture may be, or there is
    // no memory to hold it.
    QPixmap loadPicture(const QString &path) const override;

    // Reads and decodes the file `name` (as the file system names it) as loadPicture() does, with
    // the same checks and causes, but leaves it an image: no GUI application is needed.
    static QImage loadImage(const QByteArray &name);

    // Where on this system the file of a picture path lies, as the file system names it.
    QByteArray fileName(const QString &path) const;
    // The same as text, as reports show it: bytes that are not UTF-8 become replacement characters.
    QString filePath(const QString &path) const;

private:
    QByteArray m_documentsFolder;
};

} // namespace catalogue
