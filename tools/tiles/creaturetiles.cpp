// The player, mushrooms and the creatures of the maze.

#include "tools/tiles/pixelfont.h"
#include "tools/tiles/shapes.h"
#include "tools/tiles/tilefamily.h"

#include <QPainter>
#include <QPainterPath>

namespace tiles {

namespace {

using namespace draw;

// A mushroom with a face; `spots` draws the white spots on the cap.
void mushroom(QPainter &p, const QColor &cap, bool spots)
{
    box(p, {9.5, 13.5, 13, 15}, ink::cream, ink::outline, 3);
    box(p, {12.5, 17.5, 1.5, 4}, ink::black, Qt::transparent);
    box(p, {18, 17.5, 1.5, 4}, ink::black, Qt::transparent);
    p.setPen(QPen(ink::outline, 1.2));
    p.setBrush(cap);
    p.drawChord(QRectF(2.5, 2.5, 27, 24), 0, 180 * 16);
    if (spots) {
        disc(p, {9, 10}, 2.8, ink::white, Qt::transparent);
        disc(p, {23, 10}, 2.8, ink::white, Qt::transparent);
        disc(p, {16, 6}, 2.4, ink::white, Qt::transparent);
    }
}

void paintMushroom(QPainter &p, const Variant &)
{
    mushroom(p, ink::red, true);
}

void paintOneUpMushroom(QPainter &p, const Variant &)
{
    mushroom(p, ink::green, false);
    pixelfont::drawText(p, {8, 6}, "1UP", ink::white);
}

// A mushroom bound with two turns of rope.
void paintTiedUpMushroom(QPainter &p, const Variant &)
{
    mushroom(p, ink::red, true);
    for (const auto &[from, to] :
         {std::pair{QPointF(4, 9), QPointF(28, 25)}, std::pair{QPointF(28, 9), QPointF(4, 25)}}) {
        line(p, from, to, ink::darkBrown, 4);
        line(p, from, to, ink::tan, 2.2);
    }
    disc(p, {16, 17}, 2.5, ink::tan, ink::darkBrown);
}

void paintCharacter(QPainter &p, const Variant &)
{
    box(p, {10.5, 23.5, 4, 7}, ink::darkBlue);
    box(p, {17.5, 23.5, 4, 7}, ink::darkBlue);
    line(p, {9, 15}, {5, 22}, ink::outline, 2.6);
    line(p, {23, 15}, {27, 22}, ink::outline, 2.6);
    box(p, {8.5, 13.5, 15, 11}, ink::blue, ink::outline, 3);
    disc(p, {16, 8}, 6, ink::skin);
    p.setPen(QPen(ink::outline, 1.2));
    p.setBrush(ink::darkBrown);
    p.drawChord(QRectF(10, 2, 12, 10), 0, 180 * 16);
    disc(p, {14, 9}, 0.9, ink::black, Qt::transparent);
    disc(p, {18, 9}, 0.9, ink::black, Qt::transparent);
}

// A mole looking out of its mound.
void paintDigglett(QPainter &p, const Variant &)
{
    ellipse(p, {8.5, 4.5, 15, 28}, ink::brown, ink::darkBrown);
    ellipse(p, {12, 9, 2.4, 3.6}, ink::black, Qt::transparent);
    ellipse(p, {17.6, 9, 2.4, 3.6}, ink::black, Qt::transparent);
    ellipse(p, {13.5, 14, 5, 3.4}, QColor(240, 140, 170), ink::outline);
    p.setPen(QPen(ink::darkBrown, 1.2));
    p.setBrush(ink::tan);
    p.drawChord(QRectF(0.5, 21.5, 31, 20), 0, 180 * 16);
}

// A mole's mound with a hole that leads elsewhere: a dark opening and a purple swirl.
void paintDigglettWarp(QPainter &p, const Variant &)
{
    p.setPen(QPen(ink::darkBrown, 1.2));
    p.setBrush(ink::tan);
    p.drawChord(QRectF(0.5, 12.5, 31, 36), 0, 180 * 16);
    ellipse(p, {8.5, 15.5, 15, 9}, ink::black, Qt::transparent);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink::purple, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(5, 2, 22, 20), 20 * 16, 140 * 16);
    arrowhead(p, {4.5, 9.5}, {-0.4, 1}, 6, 7, ink::purple, Qt::transparent);
}

// A dragon's head in profile, facing right.
void paintDragon(QPainter &p, const Variant &)
{
    polygon(p, {{7, 9}, {4, 1}, {12, 7}}, ink::darkGreen);
    polygon(p, {{13, 6}, {14, 0.5}, {18, 6}}, ink::darkGreen);
    polygon(p,
            {{3, 12}, {12, 6}, {21, 7}, {30, 13}, {30, 19}, {22, 20}, {17, 27}, {7, 29}, {2, 21}},
            ink::green);
    polygon(p, {{22, 20}, {24, 22.5}, {26, 20}}, ink::white);
    disc(p, {17, 11.5}, 2.4, ink::yellow);
    disc(p, {17.5, 11.5}, 1, ink::black, Qt::transparent);
    disc(p, {27, 14}, 0.9, ink::black, Qt::transparent);
    line(p, {19, 17}, {30, 17}, ink::darkGreen, 1.2);
}

void paintGhost(QPainter &p, const Variant &)
{
    QPainterPath ghost;
    ghost.moveTo(5, 29);
    ghost.lineTo(5, 14);
    ghost.arcTo(QRectF(5, 3, 22, 22), 180, -180);
    ghost.lineTo(27, 29);
    for (const QPointF &corner :
         {QPointF(23, 25), QPointF(20, 29), QPointF(16, 25), QPointF(12, 29), QPointF(9, 25)})
        ghost.lineTo(corner);
    ghost.closeSubpath();
    p.setPen(QPen(ink::outline, 1.4));
    p.setBrush(QColor(236, 236, 252));
    p.drawPath(ghost);
    ellipse(p, {10.5, 10, 3.5, 5.5}, ink::black, Qt::transparent);
    ellipse(p, {18, 10, 3.5, 5.5}, ink::black, Qt::transparent);
    ellipse(p, {14, 18, 4, 4}, ink::darkGrey, Qt::transparent);
}

const Family families[] = {
    {"Mushroom", Suffix::None, paintMushroom},
    {"1UpMushroom", Suffix::None, paintOneUpMushroom},
    {"TiedUpMushroom", Suffix::None, paintTiedUpMushroom},
    {"Character", Suffix::None, paintCharacter},
    {"Digglett", Suffix::None, paintDigglett},
    {"DigglettWarp", Suffix::None, paintDigglettWarp},
    {"Dragon", Suffix::None, paintDragon},
    {"Ghost", Suffix::None, paintGhost},
};

} // namespace

std::span<const Family> creatureFamilies()
{
    return families;
}

} // namespace tiles
