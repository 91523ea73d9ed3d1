// Wall pictures. Each is drawn for a horizontal slot, 32 x 10; the vertical picture is the same
// drawing turned a quarter, 10 x 32.

#include "tools/tiles/shapes.h"
#include "tools/tiles/tilefamily.h"

#include <QPainter>

namespace tiles {

namespace {

using namespace draw;

// Sets the painter up so that the horizontal drawing fills the picture in either orientation.
void orient(QPainter &p, const Variant &v, std::string_view stem)
{
    if (v.letters == "V") {
        p.translate(p.device()->width(), 0);
        p.rotate(90);
    } else if (v.letters != "H") {
        unknownVariant(stem, v);
    }
}

// An empty slot: white all through.
void paintBlankWall(QPainter &p, const Variant &v)
{
    orient(p, v, "BlankWall");
}

// A solid wall.
void paintWall(QPainter &p, const Variant &v)
{
    orient(p, v, "Wall");
    p.fillRect(QRectF(0, 0, 32, 10), QColor(70, 66, 62));
}

// Bricks with a crack running through them.
void paintBreakWall(QPainter &p, const Variant &v)
{
    orient(p, v, "BreakWall");
    p.fillRect(QRectF(0, 0, 32, 10), ink::brick);
    // Mortar as whole-pixel rectangles, which stay on whole pixels when turned.
    const QColor mortar(235, 200, 170);
    p.fillRect(QRectF(0, 4, 32, 1), mortar);
    for (const int x : {8, 24})
        p.fillRect(QRectF(x, 0, 1, 4), mortar);
    for (const int x : {0, 16})
        p.fillRect(QRectF(x, 5, 1, 5), mortar);
    stroke(p, {{3, 1}, {7, 6}, {11, 3}, {16, 8}, {20, 2}, {25, 7}, {29, 3}}, ink::black, 1.4);
}

// A grey wall marked with a bomb between two warning crosses.
void paintBombWall(QPainter &p, const Variant &v)
{
    orient(p, v, "BombWall");
    p.fillRect(QRectF(0, 0, 32, 10), ink::grey);
    for (const qreal x : {5.0, 27.0}) {
        line(p, {x - 2.5, 2.5}, {x + 2.5, 7.5}, ink::red, 1.6);
        line(p, {x + 2.5, 2.5}, {x - 2.5, 7.5}, ink::red, 1.6);
    }
    line(p, {17.5, 3.5}, {20, 1.5}, ink::brown, 1.2);
    disc(p, {15.5, 5.5}, 3.6, ink::black, Qt::transparent);
    disc(p, {20.5, 1.5}, 1.3, ink::yellow, Qt::transparent);
}

// A zigzag of current between two posts.
void paintElectricGate(QPainter &p, const Variant &v)
{
    orient(p, v, "ElectricGate");
    box(p, {0, 0, 3, 10}, ink::darkGrey, Qt::transparent);
    box(p, {29, 0, 3, 10}, ink::darkGrey, Qt::transparent);
    const std::initializer_list<QPointF> zigzag{{3, 5},    {6, 1.5},  {10, 8.5}, {14, 1.5},
                                                {18, 8.5}, {22, 1.5}, {26, 8.5}, {29, 5}};
    stroke(p, zigzag, ink::darkBlue, 3.2);
    stroke(p, zigzag, ink::yellow, 1.6);
}

const Family families[] = {
    {"BlankWall", Suffix::Letters, paintBlankWall},
    {"Wall", Suffix::Letters, paintWall},
    {"BreakWall", Suffix::Letters, paintBreakWall},
    {"BombWall", Suffix::Letters, paintBombWall},
    {"ElectricGate", Suffix::Letters, paintElectricGate},
};

} // namespace

std::span<const Family> wallFamilies()
{
    return families;
}

} // namespace tiles
