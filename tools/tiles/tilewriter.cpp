#include "tools/tiles/tilewriter.h"

#include "tools/tiles/tilepicture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <exception>

namespace tiles {

namespace {

// Why a picture could not be written, or an empty string when it was.
QString writeBitmap(QImage picture, const QString &file)
{
    if (!QDir().mkpath(QFileInfo(file).absolutePath()))
        return QCoreApplication::translate("TileTool", "cannot create the folder");
    // A new image takes its resolution from the screen, or 100 dpi where there is none; fixed at
    // 96 dpi, the file is the same whichever kind of application draws it.
    constexpr int dotsPerMeterAt96Dpi = 3780;
    picture.setDotsPerMeterX(dotsPerMeterAt96Dpi);
    picture.setDotsPerMeterY(dotsPerMeterAt96Dpi);
    // Qt writes images of more than 8 bits per pixel as uncompressed 24-bit bitmaps.
    QImageWriter writer(file, "bmp");
    if (!writer.write(picture))
        return writer.errorString();
    return {};
}

} // namespace

WriteReport writeTiles(const Destination &destination, bool overwrite)
{
    WriteReport report;
    for (const catalogue::PictureFile &tile : catalogue::pictureFiles()) {
        const QString file = destination(tile);
        if (!overwrite && (QFileInfo::exists(file) || QFileInfo(file).isSymLink())) {
            report.kept << file;
            continue;
        }
        QString fault;
        try {
            fault = writeBitmap(drawTile(tile.fileName.toStdString(), tile.size), file);
        } catch (const std::exception &error) {
            fault = QString::fromUtf8(error.what());
        }
        if (fault.isEmpty())
            report.written << file;
        else
            //: A picture file that could not be written, and why.
            report.failed << QCoreApplication::translate("TileTool", "%1: %2").arg(file, fault);
    }
    return report;
}

Destination intoFolder(const QString &folder)
{
    return [folder](const catalogue::PictureFile &tile) {
        return QDir(folder).filePath(tile.fileName);
    };
}

} // namespace tiles
