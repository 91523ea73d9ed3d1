#include "tools/tiles/tilecatalogue.h"

#include "catalogue/catalogue.h"

#include <QCoreApplication>

namespace tiles {

namespace {

QString heading(const catalogue::PictureFile &file)
{
    return (file.place == catalogue::Cell
                ? QCoreApplication::translate("TileTool", "Object type %1")
                : QCoreApplication::translate("TileTool", "Wall type %1"))
        .arg(file.type);
}

QString listingLine(const catalogue::PictureFile &file)
{
    return QStringLiteral("  %1  %2 x %3")
        .arg(file.fileName)
        .arg(file.size.width())
        .arg(file.size.height());
}

} // namespace

QStringList tileListing()
{
    QStringList lines;
    QString lastHeading;
    for (const catalogue::PictureFile &file : catalogue::pictureFiles()) {
        const QString title = heading(file);
        if (title != lastHeading)
            lines << (lastHeading = title);
        lines << listingLine(file);
    }
    return lines;
}

} // namespace tiles
