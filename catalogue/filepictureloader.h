#pragma once

#include "catalogue/pictureloader.h"

#include <QByteArray>
#include <QImage>

namespace catalogue {

// Decodes the bytes of a picture file. Only a Windows bitmap that checkBitmap() passes reaches Qt's
// decoder. Throws PictureLoadError naming `nameForErrors` when the bytes are not a picture.
QImage decodePicture(const QByteArray &data, const QString &nameForErrors);

// Loads pictures from the disk. On a system without drive letters the catalogues' "c:/My
// Documents/" stands for the user's documents folder, so ".../pardovine/Bow.bmp" is read from
// ~/Documents/pardovine/Bow.bmp. Only regular files are opened, without blocking, and only
// Windows bitmaps whose header promises no more than the file holds are decoded.
class FilePictureLoader : public PictureLoader
{
public:
    // The documents folder is Qt's standard documents location, looked up once here.
    FilePictureLoader();
    explicit FilePictureLoader(const QString &documentsFolder);

    QPixmap loadPicture(const QString &path) const override;

    // Where on this system the file of a picture path lies.
    QString filePath(const QString &path) const;

private:
    QString m_documentsFolder;
};

} // namespace catalogue
