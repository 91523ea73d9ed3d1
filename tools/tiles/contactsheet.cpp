#include "tools/tiles/contactsheet.h"

#include "catalogue/catalogue.h"
#include "tools/tiles/pixelfont.h"
#include "tools/tiles/tilepicture.h"

#include <QPainter>

namespace tiles {

namespace {

constexpr int columns = 10;
constexpr int margin = 8;
constexpr int titleHeight = 24;
constexpr int cellWidth = 110;
constexpr int tileArea = 32 * sheetScale;
constexpr int cellHeight = tileArea + 20;

const QColor ground(238, 238, 238);
const QColor frame(190, 190, 196);
const QColor lettering(40, 40, 48);

QPoint cellOrigin(int index)
{
    return {margin + (index % columns) * cellWidth,
            margin + titleHeight + (index / columns) * cellHeight};
}

// The file name without ".bmp", which every name has.
std::string displayName(const QString &fileName)
{
    return fileName.chopped(4).toStdString();
}

} // namespace

QRect sheetTileRect(int index, QSize tileSize)
{
    const QSize shown = tileSize * sheetScale;
    const QPoint origin = cellOrigin(index);
    return {origin.x() + (cellWidth - shown.width()) / 2,
            origin.y() + (tileArea - shown.height()) / 2, shown.width(), shown.height()};
}

QImage contactSheet()
{
    const std::vector<catalogue::PictureFile> tiles = catalogue::pictureFiles();
    const int count = static_cast<int>(tiles.size());
    const int rows = (count + columns - 1) / columns;
    QImage sheet(2 * margin + columns * cellWidth, 2 * margin + titleHeight + rows * cellHeight,
                 QImage::Format_RGB888);
    sheet.fill(ground);
    QPainter painter(&sheet);
    // English in every language: the pixel font has no letters beyond ASCII, and the sheet is the
    // same picture on every machine.
    pixelfont::drawText(painter, {margin, margin},
                        "Tolvane sample tiles - " + std::to_string(count) +
                            " pictures in catalogue order shown at twice their size",
                        lettering);

    for (int index = 0; index < count; ++index) {
        const catalogue::PictureFile &tile = tiles[static_cast<std::size_t>(index)];
        const QRect place = sheetTileRect(index, tile.size);
        painter.setPen(frame);
        painter.drawRect(place.adjusted(-1, -1, 0, 0));
        painter.drawImage(place.topLeft(),
                          drawTile(tile.fileName.toStdString(), tile.size)
                              .scaled(place.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation));
        const std::string name = displayName(tile.fileName);
        const QPoint origin = cellOrigin(index);
        pixelfont::drawText(
            painter,
            {origin.x() + (cellWidth - pixelfont::textWidth(name)) / 2, origin.y() + tileArea + 4},
            name, lettering);
    }
    return sheet;
}

} // namespace tiles
