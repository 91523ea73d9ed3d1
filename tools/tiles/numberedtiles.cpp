// Tiles whose variants are numbers, and the bombs: the number of each variant is drawn on it.

#include "tools/tiles/pixelfont.h"
#include "tools/tiles/shapes.h"
#include "tools/tiles/tilefamily.h"

#include <QPainter>
#include <cmath>
#include <numbers>
#include <string>

namespace tiles {

namespace {

using namespace draw;

const QPointF centre(16, 16);

// Warps: a ring with its number, W light and B dark.
void paintWarp(QPainter &p, const Variant &v)
{
    const bool light = v.letters == "W";
    if (!light && v.letters != "B")
        unknownVariant("Warp", v);
    p.setPen(QPen(light ? ink::purple : ink::black, 2));
    p.setBrush(light ? ink::lavender : ink::darkPurple);
    p.drawEllipse(centre, 14.5, 14.5);
    pixelfont::drawCentredText(p, centre, std::to_string(v.number),
                               light ? ink::darkPurple : ink::white, 2);
}

// Dragon balls: an orange ball with as many red stars as its number.
void paintDragonball(QPainter &p, const Variant &v)
{
    disc(p, centre, 14, ink::orange, ink::darkBrown);
    ellipse(p, {7, 5, 7, 4}, QColor(255, 220, 160), Qt::transparent);
    const int stars = v.number;
    if (stars > 7)
        unknownVariant("Dragonball", v);
    const bool middle = stars == 1 || stars == 7;
    const int ringStars = stars == 7 ? 6 : (stars == 1 ? 0 : stars);
    const qreal ring = stars == 7 ? 8.5 : (stars == 2 ? 5.5 : 7.5);
    const qreal size = stars <= 3 ? 4.8 : (stars <= 5 ? 3.9 : 3.5);
    if (middle)
        star(p, centre, size, ink::red, ink::darkRed);
    for (int i = 0; i < ringStars; ++i) {
        const qreal angle = -std::numbers::pi / 2 + 2 * std::numbers::pi * i / ringStars;
        star(p, centre + ring * QPointF(std::cos(angle), std::sin(angle)), size, ink::red,
             ink::darkRed);
    }
}

// A spring under a pad that carries the number.
void paintSpring(QPainter &p, int number, const QColor &pad)
{
    box(p, {4.5, 26.5, 23, 4}, ink::darkGrey);
    stroke(p, {{10, 27}, {22, 24.5}, {10, 22}, {22, 19.5}, {10, 17}, {22, 14.5}}, ink::darkGrey,
           2.2);
    box(p, {3.5, 4.5, 25, 10}, pad, ink::outline, 2);
    pixelfont::drawCentredText(p, {16, 9.5}, std::to_string(number), ink::white);
}

void paintJump(QPainter &p, const Variant &v)
{
    paintSpring(p, v.number, ink::green);
}

// A super jump's spring is red, with arrows up on both sides of its number.
void paintSuperJump(QPainter &p, const Variant &v)
{
    paintSpring(p, v.number, ink::red);
    for (const qreal x : {8.0, 24.0})
        arrowhead(p, {x, 5.5}, {0, -1}, 5, 8, ink::yellow, Qt::transparent);
}

// Enemies: an angry blob whose colour and badge give its number.
void paintEnemy(QPainter &p, const Variant &v)
{
    const QColor bodies[] = {ink::red, ink::purple, ink::darkGreen};
    if (v.number > 3)
        unknownVariant("Enemy", v);
    ellipse(p, {3.5, 4.5, 25, 25}, bodies[v.number - 1]);
    disc(p, {11.5, 14}, 3.5, ink::white);
    disc(p, {20.5, 14}, 3.5, ink::white);
    disc(p, {12.5, 15}, 1.6, ink::black, Qt::transparent);
    disc(p, {19.5, 15}, 1.6, ink::black, Qt::transparent);
    line(p, {7, 8.5}, {14, 11}, ink::black, 2);
    line(p, {25, 8.5}, {18, 11}, ink::black, 2);
    stroke(p, {{9, 23}, {12, 21}, {15, 23}, {18, 21}, {21, 23}}, ink::white, 1.4);
    numberBadge(p, v.number);
}

// Poke balls: red above, white below, the number on the button.
void paintPokeball(QPainter &p, const Variant &v)
{
    const QRectF ball(2.5, 2.5, 27, 27);
    p.setPen(QPen(ink::outline, 1.2));
    p.setBrush(ink::white);
    p.drawEllipse(ball);
    p.setBrush(ink::red);
    p.drawChord(ball, 0, 180 * 16);
    line(p, {3, 16}, {29, 16}, ink::outline, 2.4);
    disc(p, centre, 6.5, ink::white, ink::outline);
    pixelfont::drawCentredText(p, centre, std::to_string(v.number), ink::outline);
}

// Shooters: a sight with the number in its middle.
void paintShoot(QPainter &p, const Variant &v)
{
    p.setPen(QPen(ink::red, 2.4));
    p.setBrush(ink::cream);
    p.drawEllipse(centre, 12, 12);
    for (const char way : {'D', 'L', 'R', 'U'})
        line(p, centre + step(way) * 9.5, centre + step(way) * 15.5, ink::outline, 2);
    pixelfont::drawCentredText(p, centre, std::to_string(v.number), ink::outline, 2);
}

// A round bomb with a burning fuse; `body` is its colour.
void paintBomb(QPainter &p, const QColor &body)
{
    const QPointF middle(14.5, 18);
    stroke(p, {{21, 10}, {24, 6}, {27, 6}}, ink::brown, 2);
    disc(p, middle, 11.5, body, ink::outline);
    ellipse(p, {7, 10, 5, 3}, QColor(255, 255, 255, 110), Qt::transparent);
    star(p, {27, 5}, 4.5, ink::yellow, ink::orange);
}

void paintNumberedBomb(QPainter &p, const Variant &v)
{
    paintBomb(p, ink::black);
    pixelfont::drawCentredText(p, {14.5, 18.5}, std::to_string(v.number), ink::white, 2);
}

void paintBattleBomb(QPainter &p, const Variant &)
{
    paintBomb(p, ink::darkRed);
    star(p, {14.5, 18.5}, 7, ink::white, ink::white);
}

void paintRadarBomb(QPainter &p, const Variant &)
{
    paintBomb(p, ink::black);
    disc(p, {14.5, 18.5}, 4.5, ink::green, Qt::transparent);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink::green, 1.6));
    p.drawEllipse(QPointF(14.5, 18.5), 7.5, 7.5);
}

const Family families[] = {
    {"Warp", Suffix::NumberAndLetters, paintWarp}, {"Dragonball", Suffix::Number, paintDragonball},
    {"Jump", Suffix::Number, paintJump},           {"SuperJump", Suffix::Number, paintSuperJump},
    {"Enemy", Suffix::Number, paintEnemy},         {"Pokeball", Suffix::Number, paintPokeball},
    {"Shoot", Suffix::Number, paintShoot},         {"Bomb", Suffix::Number, paintNumberedBomb},
    {"BattleBomb", Suffix::None, paintBattleBomb}, {"RadarBomb", Suffix::None, paintRadarBomb},
};

} // namespace

std::span<const Family> numberedFamilies()
{
    return families;
}

} // namespace tiles
