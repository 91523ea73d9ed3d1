// Tiles whose variants are directions: floors that send the player on, angles, bridges, shifting
// blocks, water currents and stairs. Each direction letter is drawn as an arrow.

#include "tools/tiles/shapes.h"
#include "tools/tiles/tilefamily.h"

#include <QPainter>
#include <algorithm>

namespace tiles {

namespace {

using namespace draw;

const QPointF centre(16, 16);

bool sameLetters(std::string_view letters)
{
    return std::all_of(letters.begin(), letters.end(),
                       [&](char c) { return c == letters.front(); });
}

// Go floors: one arrow per direction (pairs diagonal, H and V both ways), chevrons for the doubled
// and tripled letters, and an arrow that ends at a bar for the S forms.
void paintGo(QPainter &p, const Variant &v)
{
    box(p, {1.5, 1.5, 29, 29}, ink::paleGreen, ink::green, 4);
    const std::string_view d = v.letters;
    if (d == "H" || d == "V") {
        const QPointF s = d == "H" ? QPointF(1, 0) : QPointF(0, 1);
        doubleArrow(p, centre - s * 12, centre + s * 12, ink::darkGreen);
    } else if (d.size() == 2 && d[1] == 'S') {
        const QPointF s = step(d[0]);
        const QPointF across(s.y(), s.x());
        arrow(p, centre - s * 11, centre + s * 6, ink::darkGreen);
        line(p, centre + s * 10 - across * 9, centre + s * 10 + across * 9, ink::outline, 3);
    } else if (d.size() > 1 && sameLetters(d)) {
        const QPointF s = step(d[0]);
        const qreal spacing = d.size() == 2 ? 9 : 8;
        const qreal reach = (7 + spacing * static_cast<qreal>(d.size() - 1)) / 2;
        for (std::size_t i = 0; i < d.size(); ++i)
            arrowhead(p, centre + s * (reach - spacing * static_cast<qreal>(i)), s, 7, 18,
                      ink::darkGreen);
    } else if (d.size() <= 2) {
        const QPointF s = step(d) / (d.size() == 2 ? 1.4142 : 1.0);
        arrow(p, centre - s * 11, centre + s * 12, ink::darkGreen);
    } else {
        unknownVariant("Go", v);
    }
}

// Angles: an arrow that comes up from below and turns left or right.
void paintAngle(QPainter &p, const Variant &v)
{
    if (v.letters != "L" && v.letters != "R")
        unknownVariant("Angle", v);
    const qreal side = v.letters == "L" ? -1 : 1;
    box(p, {1.5, 1.5, 29, 29}, ink::ice, ink::skyBlue, 4);
    const QPointF corner(16 - side * 4, 13);
    stroke(p, {QPointF(16 - side * 4, 29), corner, corner + QPointF(side * 10, 0)}, ink::outline,
           7.4);
    stroke(p, {QPointF(16 - side * 4, 29), corner, corner + QPointF(side * 10, 0)}, ink::blue, 5);
    arrowhead(p, corner + QPointF(side * 17, 0), {side, 0}, 8, 14, ink::blue);
}

// Bridges: planks across, rails and a double arrow along the way the bridge runs.
void paintBridge(QPainter &p, const Variant &v)
{
    if (v.letters != "H" && v.letters != "V")
        unknownVariant("Bridge", v);
    if (v.letters == "V")
        turnTo(p, 'L');
    box(p, {0.5, 7.5, 31, 17}, ink::tan, ink::darkBrown);
    for (qreal x = 4; x < 31; x += 4)
        line(p, {x, 8.5}, {x, 23.5}, ink::brown, 1);
    box(p, {0.5, 4.5, 31, 3}, ink::brown, ink::darkBrown);
    box(p, {0.5, 24.5, 31, 3}, ink::brown, ink::darkBrown);
    doubleArrow(p, {5, 16}, {27, 16}, ink::darkBrown, 0.6);
}

// Shifting blocks: a block with the ways it can be pushed; A is every way.
void paintShiftingBlock(QPainter &p, const Variant &v)
{
    box(p, {2.5, 2.5, 27, 27}, ink::purple, ink::darkPurple, 3);
    const std::string_view d = v.letters;
    if (d == "A") {
        for (const char way : {'D', 'L', 'R', 'U'})
            arrow(p, centre, centre + step(way) * 12, ink::white, 0.7);
    } else if (d == "H" || d == "V") {
        const QPointF s = d == "H" ? QPointF(1, 0) : QPointF(0, 1);
        doubleArrow(p, centre - s * 11, centre + s * 11, ink::white, 0.85);
    } else if (d.size() == 1) {
        arrow(p, centre - step(d) * 10, centre + step(d) * 11, ink::white, 0.85);
    } else {
        unknownVariant("ShiftingBlock", v);
    }
}

// Water: waves; a current is an arrow over them.
void paintWater(QPainter &p, const Variant &v)
{
    box(p, {0.5, 0.5, 31, 31}, ink::skyBlue, ink::blue);
    for (const qreal y : {7.0, 16.0, 25.0})
        stroke(p, {{3, y}, {7, y - 2}, {11, y}, {15, y - 2}, {19, y}, {23, y - 2}, {28, y}},
               ink::white, 1.4);
    if (v.letters.size() == 1)
        arrow(p, centre - step(v.letters) * 11, centre + step(v.letters) * 12, ink::darkBlue);
    else if (!v.letters.empty())
        unknownVariant("Water", v);
}

// Stairs: a flight of steps with an arrow up or down.
void paintStairs(QPainter &p, const Variant &v)
{
    const bool up = v.letters == "Up";
    if (!up && v.letters != "Down")
        unknownVariant("Stairs", v);
    const QColor steps = up ? ink::lightGrey : ink::grey;
    polygon(p,
            {{2, 30},
             {2, 23},
             {9, 23},
             {9, 16},
             {16, 16},
             {16, 9},
             {23, 9},
             {23, 2},
             {30, 2},
             {30, 30}},
            steps, ink::outline);
    if (up)
        arrow(p, {8, 14}, {8, 1}, ink::green, 0.75);
    else
        arrow(p, {8, 1}, {8, 14}, ink::red, 0.75);
}

const Family families[] = {
    {"Go", Suffix::Letters, paintGo},
    {"Angle", Suffix::Letters, paintAngle},
    {"Bridge", Suffix::Letters, paintBridge},
    {"ShiftingBlock", Suffix::Letters, paintShiftingBlock},
    {"Water", Suffix::None, paintWater},
    {"Water", Suffix::Letters, paintWater},
    {"Stairs", Suffix::Letters, paintStairs},
};

} // namespace

std::span<const Family> directionFamilies()
{
    return families;
}

} // namespace tiles
