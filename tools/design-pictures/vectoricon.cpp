#include "vectoricon.h"

#include <QColor>
#include <QList>
#include <utility>
#include <vector>

namespace {

// One path per colour, in the order the colours first appear row by row.
class ColourPaths
{
public:
    QByteArray &of(QRgb colour)
    {
        for (auto &[known, path] : paths) {
            if (known == colour)
                return path;
        }
        return paths.emplace_back(colour, QByteArray()).second;
    }

    QByteArray elements() const
    {
        QByteArray text;
        for (const auto &[colour, path] : paths)
            text +=
                "  <path fill=\"" + QColor(colour).name().toLatin1() + "\" d=\"" + path + "\"/>\n";
        return text;
    }

private:
    QList<std::pair<QRgb, QByteArray>> paths;
};

} // namespace

QByteArray vectorIcon(const QImage &drawing)
{
    const int width = drawing.width();
    const int height = drawing.height();
    std::vector<bool> covered(static_cast<std::size_t>(width * height), false);
    const auto free = [&](int x, int y, QRgb colour) {
        return !covered[static_cast<std::size_t>(y * width + x)] && drawing.pixel(x, y) == colour;
    };

    // Each opaque pixel goes into one rectangle of its colour, as wide and then as tall as the
    // drawing allows, so that the picture has few shapes and no gaps inside a colour.
    ColourPaths paths;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const QRgb colour = drawing.pixel(x, y);
            if (qAlpha(colour) == 0 || !free(x, y, colour))
                continue;
            int across = 1;
            while (x + across < width && free(x + across, y, colour))
                ++across;
            int down = 1;
            const auto rowFree = [&](int row) {
                for (int column = x; column < x + across; ++column) {
                    if (!free(column, row, colour))
                        return false;
                }
                return true;
            };
            while (y + down < height && rowFree(y + down))
                ++down;
            for (int row = y; row < y + down; ++row) {
                for (int column = x; column < x + across; ++column)
                    covered[static_cast<std::size_t>(row * width + column)] = true;
            }
            paths.of(colour) +=
                QStringLiteral("M%1 %2h%3v%4h-%3z").arg(x).arg(y).arg(across).arg(down).toLatin1();
        }
    }

    // Edges sharp and unblended, as the PNG sizes are drawn, so that no seam shows between shapes.
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" "
                          "viewBox=\"0 0 %1 %2\" shape-rendering=\"crispEdges\">\n")
               .arg(width)
               .arg(height)
               .toLatin1() +
           paths.elements() + "</svg>\n";
}
