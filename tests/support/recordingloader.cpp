#include "recordingloader.h"

#include "catalogue/catalogue.h"
#include "toolkit/image.h"

#include <QColor>
#include <QImage>

namespace support {

namespace {

// A picture made here has this red component; green and blue number the load.
constexpr int loadMarker = 17;

} // namespace

QPixmap RecordingLoader::loadPicture(const QString &path) const
{
    reads << path;
    if (failing.contains(path))
        throw catalogue::PictureLoadError(path, QStringLiteral("the file is missing"));
    if (empty.contains(path))
        return {};
    if (m_source)
        return m_source->loadPicture(path);
    const int load = static_cast<int>(reads.size()) - 1;
    QPixmap picture(32, 32);
    picture.fill(QColor(loadMarker, (load >> 8) & 0xff, load & 0xff));
    return picture;
}

int loadShownBy(const toolkit::Image *image)
{
    const QImage picture = image->Picture().toImage();
    if (picture.isNull())
        return -1;
    const QRgb pixel = picture.pixel(0, 0);
    if (qRed(pixel) != loadMarker)
        return -1;
    return qGreen(pixel) << 8 | qBlue(pixel);
}

QString RecordingLoader::fileShownBy(const toolkit::Image *image) const
{
    const int load = loadShownBy(image);
    if (load < 0)
        return {};
    for (const catalogue::PictureFile &file : catalogue::pictureFiles()) {
        if (catalogue::picturePath(file.fileName) == reads.value(load))
            return file.fileName;
    }
    return {};
}

} // namespace support
