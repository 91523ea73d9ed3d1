#include "standinfolder.h"

#include "bitmapwriter.h"
#include "catalogue/catalogue.h"

#include <QDir>
#include <QFile>
#include <vector>

namespace support {

namespace {

struct StandIn
{
    QString fileName;
    QSize size;
    QRgb colour;
};

// Six levels per channel give 216 colours, enough for the 187 files. No level is 0 or 255, so no
// stand-in is white, black, cyan or any colour of the design-time pictures.
constexpr int channelLevels[] = {40, 80, 120, 160, 200, 240};
constexpr int levelCount = static_cast<int>(std::size(channelLevels));

QRgb colourNumber(int n)
{
    return qRgb(channelLevels[n % levelCount], channelLevels[n / levelCount % levelCount],
                channelLevels[n / (levelCount * levelCount) % levelCount]);
}

// Every file the catalogues name, in catalogue order, each with its family's size and its colour.
const std::vector<StandIn> &standIns()
{
    static const std::vector<StandIn> pictures = [] {
        std::vector<StandIn> list;
        for (const catalogue::PictureFile &file : catalogue::pictureFiles())
            list.push_back({file.fileName, file.size, colourNumber(static_cast<int>(list.size()))});
        return list;
    }();
    return pictures;
}

} // namespace

QRgb standInColour(const QString &fileName)
{
    for (const StandIn &picture : standIns())
        if (picture.fileName == fileName)
            return picture.colour;
    qFatal("no stand-in picture is named %s", qPrintable(fileName));
}

StandInFolder::StandInFolder()
{
    for (const StandIn &picture : standIns()) {
        m_names << picture.fileName;
        m_familySizes.insert(picture.fileName, picture.size);
    }
    m_names.sort();
    m_valid = m_home.isValid() && writeAll();
}

QString StandInFolder::filePath(const QString &fileName) const
{
    return folder() + QLatin1Char('/') + fileName;
}

bool StandInFolder::writeAll()
{
    QDir(folder()).removeRecursively();
    m_tiles.clear();
    if (!QDir().mkpath(folder()))
        return false;
    for (const StandIn &picture : standIns())
        if (!write(picture.fileName, picture.colour, picture.size))
            return false;
    return true;
}

bool StandInFolder::restore(const QString &fileName)
{
    return write(fileName, standInColour(fileName), familySize(fileName));
}

bool StandInFolder::write(const QString &fileName, QRgb colour, QSize size)
{
    const QByteArray bytes = bitmapwriter::plain(size.width(), size.height(), colour);
    QFile file(filePath(fileName));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        return false;
    m_tiles[fileName] = Tile{true, qRgb(qRed(colour), qGreen(colour), qBlue(colour)), size};
    return true;
}

// The new colours count up from 1 with a red of 0, below every stand-in colour's.
bool StandInFolder::rewrite(const QString &fileName, QSize size)
{
    const quint32 colour = m_nextColour++;
    return write(fileName, qRgb(0, (colour >> 8) & 0xff, colour & 0xff), size);
}

bool StandInFolder::remove(const QString &fileName)
{
    m_tiles[fileName].present = false;
    return QFile::remove(filePath(fileName));
}

} // namespace support
