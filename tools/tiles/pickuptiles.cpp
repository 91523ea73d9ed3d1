// Things the player collects: suits, points, stars, beans and marbles.

#include "tools/tiles/shapes.h"
#include "tools/tiles/tilefamily.h"

#include <QPainter>

namespace tiles {

namespace {

using namespace draw;

// A tunic with an emblem on its chest.
void tunic(QPainter &p, const QColor &cloth)
{
    polygon(p,
            {{10, 3},
             {22, 3},
             {30, 10},
             {26, 15},
             {23, 12},
             {23, 29},
             {9, 29},
             {9, 12},
             {6, 15},
             {2, 10}},
            cloth);
    polygon(p, {{12, 3.5}, {16, 8}, {20, 3.5}}, ink::white, ink::outline);
}

void paintFireSuit(QPainter &p, const Variant &)
{
    tunic(p, ink::red);
    polygon(p, {{16, 12}, {20, 19}, {19, 24}, {13, 24}, {12, 19}, {14, 17}}, ink::yellow,
            ink::orange);
}

void paintWaterSuit(QPainter &p, const Variant &)
{
    tunic(p, ink::blue);
    polygon(p, {{16, 11}, {19.5, 19}, {18.5, 23}, {13.5, 23}, {12.5, 19}}, ink::white,
            ink::darkBlue);
}

// Against the current: water with an arrow pushing back, struck through.
void paintAntiCurrent(QPainter &p, const Variant &)
{
    disc(p, {16, 16}, 14, ink::skyBlue, ink::blue);
    for (const qreal y : {9.0, 23.0})
        stroke(p, {{6, y}, {10, y - 2}, {14, y}, {18, y - 2}, {22, y}, {26, y - 2}}, ink::white,
               1.4);
    arrow(p, {26, 16}, {5, 16}, ink::darkBlue, 0.7);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink::red, 2.6));
    p.drawEllipse(QPointF(16, 16), 13, 13);
    line(p, {7, 7}, {25, 25}, ink::red, 2.6);
}

void coin(QPainter &p, QPointF centre, qreal radius)
{
    disc(p, centre, radius, ink::gold, ink::darkBrown);
    disc(p, centre, radius * 0.55, ink::yellow, Qt::transparent);
}

void paintPoint(QPainter &p, const Variant &)
{
    coin(p, {16, 16}, 8);
}

void paintThreePoints(QPainter &p, const Variant &)
{
    coin(p, {16, 9}, 6.5);
    coin(p, {9, 22}, 6.5);
    coin(p, {23, 22}, 6.5);
}

void paintStar(QPainter &p, const Variant &)
{
    star(p, {16, 17}, 15, ink::yellow);
}

// A bean, lying on its side, with its seam.
void paintSensuBean(QPainter &p, const Variant &)
{
    p.save();
    p.translate(16, 16);
    p.rotate(-30);
    ellipse(p, {-12, -7, 24, 14}, ink::green, ink::darkGreen);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink::darkGreen, 1.4));
    p.drawArc(QRectF(-8, -3, 16, 8), 200 * 16, 140 * 16);
    ellipse(p, {-7, -5, 5, 2.5}, QColor(255, 255, 255, 140), Qt::transparent);
    p.restore();
}

// A marble that shows up on radar: a glass ball in rings.
void paintRadarMarble(QPainter &p, const Variant &)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink::green, 1.6));
    p.drawEllipse(QPointF(16, 16), 14, 14);
    p.drawEllipse(QPointF(16, 16), 10.5, 10.5);
    disc(p, {16, 16}, 7, ink::skyBlue, ink::darkBlue);
    disc(p, {14, 14}, 2, ink::white, Qt::transparent);
}

const Family families[] = {
    {"FireSuit", Suffix::None, paintFireSuit},
    {"WaterSuit", Suffix::None, paintWaterSuit},
    {"AntiCurrent", Suffix::None, paintAntiCurrent},
    {"Point", Suffix::None, paintPoint},
    {"ThreePoints", Suffix::None, paintThreePoints},
    {"Star", Suffix::None, paintStar},
    {"SensuBean", Suffix::None, paintSensuBean},
    {"RadarMarble", Suffix::None, paintRadarMarble},
};

} // namespace

std::span<const Family> pickupFamilies()
{
    return families;
}

} // namespace tiles
