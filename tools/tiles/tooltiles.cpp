// Weapons and tools the player can pick up, and the shield.

#include "tools/tiles/shapes.h"
#include "tools/tiles/tilefamily.h"

#include <QPainter>
#include <QPainterPath>

namespace tiles {

namespace {

using namespace draw;

// A bar from `from` to `to` with a dark outline.
void outlinedBar(QPainter &p, QPointF from, QPointF to, const QColor &colour, qreal width)
{
    line(p, from, to, ink::outline, width + 2.2);
    line(p, from, to, colour, width);
}

// An arrow to shoot: a shaft up to the right, its head and its feathers.
void paintArrow(QPainter &p, const Variant &)
{
    outlinedBar(p, {6, 26}, {23, 9}, ink::brown, 1.6);
    arrowhead(p, {28, 4}, {1, -1}, 9, 9, ink::steel);
    for (const qreal back : {0.0, 3.5}) {
        const QPointF at = QPointF(8, 24) + QPointF(-back, back) * 0.7;
        line(p, at, at + QPointF(-4.5, -1.5), ink::red, 2);
        line(p, at, at + QPointF(1.5, 4.5), ink::red, 2);
    }
}

void paintBow(QPainter &p, const Variant &)
{
    line(p, {10, 4}, {10, 28}, ink::outline, 1);
    QPainterPath limb;
    limb.moveTo(10, 3);
    limb.quadTo(32, 16, 10, 29);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink::outline, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(limb);
    p.setPen(QPen(ink::brown, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(limb);
    box(p, {18.5, 13.5, 4, 5}, ink::darkBrown, ink::outline);
}

// A pistol facing right.
void paintGun(QPainter &p, const Variant &)
{
    polygon(p, {{9, 17}, {16, 17}, {14, 28}, {6, 28}}, ink::darkBrown);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink::outline, 1.6));
    p.drawArc(QRectF(13, 13, 8, 9), 180 * 16, 180 * 16);
    box(p, {4.5, 9.5, 24, 8}, ink::darkGrey, ink::outline, 1);
    box(p, {6.5, 6.5, 3, 3}, ink::darkGrey, ink::outline);
}

void paintHammer(QPainter &p, const Variant &)
{
    outlinedBar(p, {6, 27}, {20, 13}, ink::brown, 3.4);
    p.save();
    p.translate(20, 12);
    p.rotate(45);
    box(p, {-11, -4.5, 22, 9}, ink::grey, ink::outline, 1);
    p.restore();
}

void paintKnife(QPainter &p, const Variant &)
{
    polygon(p, {{12, 17}, {28, 3}, {24, 13}, {16, 21}}, ink::steel);
    outlinedBar(p, {10, 19}, {17, 12}, ink::darkGrey, 1.8);
    outlinedBar(p, {5, 27}, {12, 20}, ink::brown, 4);
}

// A power drill: body, grip and a twisted bit to the right.
void paintDrill(QPainter &p, const Variant &)
{
    polygon(p, {{8, 16}, {15, 16}, {14, 29}, {6, 29}}, ink::darkGrey);
    box(p, {2.5, 6.5, 19, 10}, ink::yellow, ink::outline, 3);
    polygon(p, {{21, 8}, {21, 15}, {31, 11.5}}, ink::steel);
    line(p, {24, 9}, {23, 14}, ink::darkGrey, 1);
    line(p, {27, 10}, {26, 13}, ink::darkGrey, 1);
}

// A jackhammer: handle bar on top, body, chisel down.
void paintJackhammer(QPainter &p, const Variant &)
{
    polygon(p, {{14, 22}, {18, 22}, {18, 27}, {16, 31}, {14, 27}}, ink::steel);
    box(p, {9.5, 6.5, 13, 15}, ink::yellow, ink::outline, 2);
    box(p, {2.5, 2.5, 27, 4}, ink::darkGrey, ink::outline, 1.5);
    line(p, {12, 11}, {20, 11}, ink::outline, 1);
    line(p, {12, 15}, {20, 15}, ink::outline, 1);
}

// An open-ended wrench.
void paintWrench(QPainter &p, const Variant &)
{
    outlinedBar(p, {7, 25}, {20, 12}, ink::steel, 4);
    disc(p, {23, 9}, 7, ink::steel);
    polygon(p, {{23, 9}, {25, 1}, {31, 7}}, ink::white, Qt::transparent);
    disc(p, {7, 25}, 4.5, ink::steel);
    disc(p, {7, 25}, 1.8, ink::white);
}

void paintShield(QPainter &p, const Variant &)
{
    polygon(p, {{16, 2}, {28, 6}, {27, 18}, {16, 30}, {5, 18}, {4, 6}}, ink::blue, ink::outline);
    polygon(p, {{16, 5}, {25, 8}, {24.5, 17}, {16, 26.5}, {7.5, 17}, {7, 8}}, Qt::transparent,
            ink::yellow);
    line(p, {16, 8}, {16, 23}, ink::white, 2.6);
    line(p, {10, 13}, {22, 13}, ink::white, 2.6);
}

const Family families[] = {
    {"Arrow", Suffix::None, paintArrow},
    {"Bow", Suffix::None, paintBow},
    {"Gun", Suffix::None, paintGun},
    {"Hammer", Suffix::None, paintHammer},
    {"Knife", Suffix::None, paintKnife},
    {"Drill", Suffix::None, paintDrill},
    {"Jackhammer", Suffix::None, paintJackhammer},
    {"Wrench", Suffix::None, paintWrench},
    {"Shield", Suffix::None, paintShield},
};

} // namespace

std::span<const Family> toolFamilies()
{
    return families;
}

} // namespace tiles
