// Buttons, keys and doors, the start and the exit, blocks and floors.

#include "tools/tiles/pixelfont.h"
#include "tools/tiles/shapes.h"
#include "tools/tiles/tilefamily.h"

#include <QPainter>

namespace tiles {

namespace {

using namespace draw;

void buttonPlate(QPainter &p)
{
    box(p, {2.5, 2.5, 27, 27}, ink::lightGrey, ink::darkGrey, 3);
}

void button(QPainter &p, QPointF centre, qreal radius, const QColor &colour)
{
    disc(p, centre, radius, colour);
    ellipse(p, {centre.x() - radius * 0.55, centre.y() - radius * 0.6, radius * 0.6, radius * 0.4},
            QColor(255, 255, 255, 150), Qt::transparent);
}

void paintButton(QPainter &p, const Variant &)
{
    buttonPlate(p);
    button(p, {16, 16}, 9, ink::red);
}

// Hold: an arrow keeps the button pressed.
void paintHoldButton(QPainter &p, const Variant &)
{
    buttonPlate(p);
    button(p, {16, 21}, 7, ink::orange);
    arrow(p, {16, 1}, {16, 13}, ink::yellow, 0.6);
}

void paintRadarButton(QPainter &p, const Variant &)
{
    buttonPlate(p);
    button(p, {16, 16}, 5.5, ink::green);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink::darkGreen, 1.6));
    p.drawEllipse(QPointF(16, 16), 8.5, 8.5);
    p.drawEllipse(QPointF(16, 16), 11.5, 11.5);
}

// A button under the two halves of a sliding door, pushed apart.
void paintSlidingDoorButton(QPainter &p, const Variant &)
{
    buttonPlate(p);
    box(p, {5.5, 5.5, 8, 11}, ink::brown, ink::darkBrown);
    box(p, {18.5, 5.5, 8, 11}, ink::brown, ink::darkBrown);
    arrowhead(p, {3, 11}, {-1, 0}, 3.5, 6, ink::outline, Qt::transparent);
    arrowhead(p, {29, 11}, {1, 0}, 3.5, 6, ink::outline, Qt::transparent);
    button(p, {16, 23}, 5, ink::blue);
}

// Marble buttons drawn for "down": a marble with an arrow to the bottom edge.
void paintMarbleButton(QPainter &p, const Variant &v)
{
    if (v.letters.size() != 1)
        unknownVariant("MarbleButton", v);
    buttonPlate(p);
    turnTo(p, v.letters.front());
    arrow(p, {16, 14}, {16, 29}, ink::orange, 0.65);
    button(p, {16, 10}, 6.5, ink::skyBlue);
}

QColor keyColour(const Variant &v, std::string_view stem)
{
    if (v.letters == "Blue")
        return ink::blue;
    if (v.letters == "Green")
        return ink::green;
    if (v.letters == "Red")
        return ink::red;
    unknownVariant(stem, v);
}

void paintKey(QPainter &p, const Variant &v)
{
    const QColor colour = keyColour(v, "Key");
    polygon(p,
            {{13, 13.5},
             {29.5, 13.5},
             {29.5, 22.5},
             {26.5, 22.5},
             {26.5, 18.5},
             {24, 18.5},
             {24, 21.5},
             {21, 21.5},
             {21, 18.5},
             {13, 18.5}},
            colour);
    disc(p, {9, 16}, 7, colour);
    disc(p, {9, 16}, 2.6, ink::white);
}

void paintKeyDoor(QPainter &p, const Variant &v)
{
    const QColor colour = keyColour(v, "KeyDoor");
    box(p, {4.5, 1.5, 23, 29}, colour, ink::outline, 3);
    box(p, {7.5, 4.5, 17, 23}, colour.lighter(125), ink::outline, 2);
    disc(p, {16, 13}, 3, ink::black, Qt::transparent);
    polygon(p, {{14.5, 14}, {17.5, 14}, {18.5, 21}, {13.5, 21}}, ink::black, Qt::transparent);
}

void paintExitPoint(QPainter &p, const Variant &)
{
    box(p, {1.5, 0.5, 29, 10}, ink::green, ink::darkGreen, 2);
    pixelfont::drawText(p, {5, 2}, "EXIT", ink::white);
    box(p, {8.5, 12.5, 15, 19}, ink::brown, ink::darkBrown);
    disc(p, {20, 22.5}, 1.3, ink::yellow, Qt::transparent);
}

// The start: a green flag.
void paintStartPoint(QPainter &p, const Variant &)
{
    ellipse(p, {3.5, 25.5, 17, 5}, ink::lightGrey, ink::darkGrey);
    line(p, {9, 28}, {9, 3}, ink::outline, 2.2);
    polygon(p, {{10, 3}, {28, 9}, {10, 16}}, ink::green, ink::darkGreen);
}

void paintBlank(QPainter &, const Variant &) {}

void paintCrate(QPainter &p, const Variant &)
{
    box(p, {2.5, 2.5, 27, 27}, ink::tan, ink::darkBrown);
    box(p, {6.5, 6.5, 19, 19}, Qt::transparent, ink::brown);
    line(p, {7, 7}, {25, 25}, ink::brown, 3);
    line(p, {2.5, 2.5}, {6.5, 6.5}, ink::brown, 1);
    line(p, {29.5, 29.5}, {25.5, 25.5}, ink::brown, 1);
}

// A block falling: speed lines above it, a down arrow below.
void paintBlockDrop(QPainter &p, const Variant &)
{
    for (const qreal x : {10.0, 16.0, 22.0})
        line(p, {x, 0.5}, {x, 3}, ink::grey, 1.4);
    box(p, {6.5, 4.5, 19, 13}, ink::grey, ink::outline, 2);
    arrow(p, {16, 18}, {16, 31}, ink::red, 0.7);
}

void paintIce(QPainter &p, const Variant &)
{
    box(p, {0.5, 0.5, 31, 31}, ink::ice, QColor(60, 140, 190));
    line(p, {5, 13}, {13, 5}, ink::white, 2.4);
    line(p, {7, 24}, {24, 7}, ink::white, 2.4);
    line(p, {18, 27}, {27, 18}, ink::white, 2.4);
}

// An ice block as a cube: its front, its top and its right side.
void paintIceBlock(QPainter &p, const Variant &)
{
    polygon(p, {{4.5, 10.5}, {10.5, 3.5}, {28.5, 3.5}, {22.5, 10.5}}, ink::ice, ink::darkBlue);
    polygon(p, {{22.5, 10.5}, {28.5, 3.5}, {28.5, 22.5}, {22.5, 29.5}}, ink::skyBlue,
            ink::darkBlue);
    box(p, {4.5, 10.5, 18, 19}, ink::cyan, ink::darkBlue);
    line(p, {8, 20}, {14, 14}, ink::white, 2);
}

const Family families[] = {
    {"Button", Suffix::None, paintButton},
    {"HoldButton", Suffix::None, paintHoldButton},
    {"RadarButton", Suffix::None, paintRadarButton},
    {"SlidingDoorButton", Suffix::None, paintSlidingDoorButton},
    {"MarbleButton", Suffix::Letters, paintMarbleButton},
    {"Key", Suffix::Letters, paintKey},
    {"KeyDoor", Suffix::Letters, paintKeyDoor},
    {"ExitPoint", Suffix::None, paintExitPoint},
    {"StartPoint", Suffix::None, paintStartPoint},
    {"Blank", Suffix::None, paintBlank},
    {"Crate", Suffix::None, paintCrate},
    {"BlockDrop", Suffix::None, paintBlockDrop},
    {"Ice", Suffix::None, paintIce},
    {"IceBlock", Suffix::None, paintIceBlock},
};

} // namespace

std::span<const Family> deviceFamilies()
{
    return families;
}

} // namespace tiles
