#include "standinpictures.h"

#include "catalogue/objectcatalogue.h"
#include "catalogue/picturepath.h"
#include "catalogue/wallcatalogue.h"

#include <QDir>
#include <QImage>

namespace e2e {

namespace {

// Six levels per channel give 216 colours, enough for the 187 files. No level is 0 or 255, so no
// stand-in is white, black, cyan or any colour of the design-time pictures.
constexpr int channelLevels[] = {40, 80, 120, 160, 200, 240};
constexpr int levelCount = static_cast<int>(std::size(channelLevels));

QRgb colourNumber(int n)
{
    return qRgb(channelLevels[n % levelCount], channelLevels[n / levelCount % levelCount],
                channelLevels[n / (levelCount * levelCount) % levelCount]);
}

QString fileNameOf(const char *path)
{
    return QString::fromLatin1(catalogue::pictureFileName(path));
}

std::vector<StandInPicture> makeStandIns()
{
    std::vector<StandInPicture> pictures;
    const auto add = [&pictures](const char *path, QSize size) {
        pictures.push_back(
            {fileNameOf(path), size, colourNumber(static_cast<int>(pictures.size()))});
    };
    for (const catalogue::ObjectType &type : catalogue::objectTypes())
        for (const char *path : type.pictures)
            add(path, QSize(32, 32));
    for (const catalogue::WallType &wall : catalogue::wallTypes()) {
        add(wall.horizontal, QSize(32, 10));
        add(wall.vertical, QSize(10, 32));
    }
    return pictures;
}

} // namespace

const std::vector<StandInPicture> &standInPictures()
{
    static const std::vector<StandInPicture> pictures = makeStandIns();
    return pictures;
}

QRgb standInColour(const QString &fileName)
{
    for (const StandInPicture &picture : standInPictures())
        if (picture.fileName == fileName)
            return picture.colour;
    qFatal("no stand-in picture is named %s", qPrintable(fileName));
}

bool writeStandInPicture(const QString &folder, const StandInPicture &picture)
{
    QImage image(picture.size, QImage::Format_RGB888);
    image.fill(picture.colour);
    return image.save(folder + QLatin1Char('/') + picture.fileName, "BMP");
}

bool writeStandInPictures(const QString &folder)
{
    if (!QDir().mkpath(folder))
        return false;
    for (const StandInPicture &picture : standInPictures())
        if (!writeStandInPicture(folder, picture))
            return false;
    return true;
}

} // namespace e2e
