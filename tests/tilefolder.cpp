#include "tilefolder.h"

#include "bitmapwriter.h"
#include "catalogue/objectcatalogue.h"
#include "catalogue/picturepath.h"
#include "catalogue/wallcatalogue.h"

#include <QDir>
#include <QFile>

namespace {

QString nameOf(const char *path)
{
    return QString::fromLatin1(catalogue::pictureFileName(path));
}

} // namespace

TileFolder::TileFolder()
{
    for (const catalogue::ObjectType &type : catalogue::objectTypes()) {
        for (const char *path : type.pictures)
            m_familySizes.insert(nameOf(path), QSize(32, 32));
    }
    for (const catalogue::WallType &wall : catalogue::wallTypes()) {
        m_familySizes.insert(nameOf(wall.horizontal), QSize(32, 10));
        m_familySizes.insert(nameOf(wall.vertical), QSize(10, 32));
    }
    m_names = m_familySizes.keys();
    m_names.sort();

    m_valid = m_dir.isValid() && QDir().mkpath(documents() + QStringLiteral("/pardovine"));
    for (const QString &name : std::as_const(m_names))
        m_valid = m_valid && rewrite(name, m_familySizes.value(name));
}

QString TileFolder::documents() const
{
    return m_dir.path() + QStringLiteral("/Documents");
}

QString TileFolder::filePath(const QString &fileName) const
{
    return documents() + QStringLiteral("/pardovine/") + fileName;
}

bool TileFolder::rewrite(const QString &fileName, QSize size)
{
    const quint32 colour = m_nextColour++;
    const QRgb rgb = qRgb((colour >> 16) & 0xff, (colour >> 8) & 0xff, colour & 0xff);
    const QByteArray bytes = bitmapwriter::plain(size.width(), size.height(), rgb);
    QFile file(filePath(fileName));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        return false;
    m_tiles[fileName] = Tile{true, rgb, size};
    return true;
}

bool TileFolder::remove(const QString &fileName)
{
    m_tiles[fileName].present = false;
    return QFile::remove(filePath(fileName));
}
