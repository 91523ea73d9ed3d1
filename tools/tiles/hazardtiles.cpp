// Tiles that hurt or stop the player: lasers, spikes, traps, holes, fire, lava, mines.

#include "tools/tiles/shapes.h"
#include "tools/tiles/tilefamily.h"

#include <QPainter>
#include <QPainterPath>

namespace tiles {

namespace {

using namespace draw;

// A laser drawn for "down": the emitter at the top and its beam to the bottom edge. H and V are
// an emitter in the middle with beams to both edges. A motion laser's emitter is an eye and its
// beam is dashed.
void paintLaserTile(QPainter &p, const Variant &v, std::string_view stem, bool motion)
{
    const QColor beam = motion ? ink::magenta : ink::red;
    const bool across = v.letters == "H" || v.letters == "V";
    if (v.letters == "H")
        turnTo(p, 'L');
    else if (!across && v.letters.size() == 1)
        turnTo(p, v.letters.front());
    else if (!across)
        unknownVariant(stem, v);

    const qreal emitterY = across ? 16 : 6;
    QPen pen(beam, 2.6, motion ? Qt::CustomDashLine : Qt::SolidLine, Qt::FlatCap);
    pen.setDashPattern({1.6, 1.0});
    p.setPen(pen);
    p.drawLine(QPointF(16, emitterY), QPointF(16, 25));
    arrowhead(p, {16, 31}, {0, 1}, 7, 10, beam);
    if (across) {
        p.setPen(pen);
        p.drawLine(QPointF(16, emitterY), QPointF(16, 6));
        arrowhead(p, {16, 1}, {0, -1}, 7, 10, beam);
    }
    const qreal half = across ? 4 : 5;
    box(p, {16 - half, emitterY - half, 2 * half, 2 * half}, ink::darkGrey, ink::outline, 2);
    if (motion) {
        disc(p, {16, emitterY}, 3.4, ink::white, Qt::transparent);
        disc(p, {16, emitterY}, 1.6, ink::black, Qt::transparent);
    } else {
        disc(p, {16, emitterY}, 2.6, beam, Qt::transparent);
    }
}

void paintLaser(QPainter &p, const Variant &v)
{
    paintLaserTile(p, v, "Laser", false);
}

void paintMotionLaser(QPainter &p, const Variant &v)
{
    paintLaserTile(p, v, "MotionLaser", true);
}

// Spikes drawn for "down": a bar along the top edge with four spikes pointing down.
void paintSpikes(QPainter &p, const Variant &v)
{
    if (v.letters.size() != 1)
        unknownVariant("Spikes", v);
    turnTo(p, v.letters.front());
    for (int i = 0; i < 4; ++i) {
        const qreal left = 1.5 + i * 7.25;
        polygon(p, {{left, 6}, {left + 7.25, 6}, {left + 3.6, 29}}, ink::steel);
    }
    box(p, {0.5, 1.5, 31, 5}, ink::darkGrey);
}

void paintDoubleSpike(QPainter &p, const Variant &)
{
    box(p, {1.5, 1.5, 29, 29}, ink::lightGrey, ink::darkGrey, 3);
    polygon(p, {{4, 27}, {14, 27}, {9, 4}}, ink::steel);
    polygon(p, {{18, 27}, {28, 27}, {23, 4}}, ink::steel);
    line(p, {9, 8}, {9, 24}, ink::white, 1);
    line(p, {23, 8}, {23, 24}, ink::white, 1);
}

// A plate with three rows of small spikes.
void paintSpikeTrap(QPainter &p, const Variant &)
{
    box(p, {1.5, 1.5, 29, 29}, ink::tan, ink::darkBrown, 3);
    for (const qreal y : {10.0, 19.0, 28.0}) {
        for (const qreal x : {8.0, 16.0, 24.0})
            polygon(p, {{x - 3, y - 1}, {x + 3, y - 1}, {x, y - 8}}, ink::steel);
    }
}

// An open jaw trap: a ring with teeth, seen from above.
void paintTrap(QPainter &p, const Variant &)
{
    p.setPen(QPen(ink::outline, 4.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(16, 16), 12, 12);
    p.setPen(QPen(ink::steel, 2.5));
    p.drawEllipse(QPointF(16, 16), 12, 12);
    stroke(p, {{5, 16}, {8, 11}, {11, 16}, {14, 11}, {17, 16}, {20, 11}, {23, 16}, {26, 11}},
           ink::darkGrey, 1.6);
    stroke(p, {{6, 16}, {9, 21}, {12, 16}, {15, 21}, {18, 16}, {21, 21}, {24, 16}, {27, 21}},
           ink::darkGrey, 1.6);
    disc(p, {16, 16}, 3, ink::brown);
}

void paintHole(QPainter &p, const Variant &)
{
    ellipse(p, {2.5, 6.5, 27, 20}, ink::brown, ink::darkBrown);
    ellipse(p, {5.5, 9.5, 21, 14}, ink::black, Qt::transparent);
}

// A flame, as a path in a 32 x 32 box, scaled about the middle of its base.
QPainterPath flame(qreal scale)
{
    QPainterPath path;
    path.moveTo(16, 2);
    path.cubicTo(19, 9, 27, 12, 26, 21);
    path.cubicTo(25.5, 27, 21, 30, 16, 30);
    path.cubicTo(11, 30, 6, 27, 6, 21);
    path.cubicTo(6, 15, 10, 13, 11, 7);
    path.cubicTo(14, 10, 15, 12, 16, 2);
    QTransform toBase;
    toBase.translate(16, 30).scale(scale, scale).translate(-16, -30);
    return toBase.map(path);
}

void paintFlames(QPainter &p, const QColor &outer, const QColor &inner)
{
    p.setPen(QPen(ink::outline, 1.2));
    p.setBrush(outer);
    p.drawPath(flame(1));
    p.setPen(Qt::NoPen);
    p.setBrush(inner);
    p.drawPath(flame(0.55));
}

void paintFire(QPainter &p, const Variant &)
{
    paintFlames(p, ink::orange, ink::yellow);
}

void paintInvincibleFire(QPainter &p, const Variant &)
{
    paintFlames(p, ink::blue, ink::cyan);
    star(p, {24, 7}, 5, ink::white);
    star(p, {7, 10}, 4, ink::white);
}

void paintLava(QPainter &p, const Variant &)
{
    box(p, {0.5, 0.5, 31, 31}, QColor(215, 70, 20), ink::darkRed);
    stroke(p, {{2, 11}, {8, 8}, {14, 12}, {20, 8}, {29, 11}}, ink::darkRed, 1.6);
    stroke(p, {{2, 23}, {9, 20}, {15, 24}, {22, 20}, {29, 23}}, ink::darkRed, 1.6);
    disc(p, {9, 15}, 3, ink::yellow, ink::orange);
    disc(p, {22, 16}, 2.2, ink::yellow, ink::orange);
    disc(p, {16, 27}, 2, ink::yellow, ink::orange);
    disc(p, {24, 5}, 1.8, ink::yellow, ink::orange);
}

// A sea mine: a dark ball with spikes all round and a red light.
void paintMine(QPainter &p, const Variant &)
{
    for (int i = 0; i < 8; ++i) {
        p.save();
        p.translate(16, 16);
        p.rotate(45.0 * i);
        box(p, {-1.5, -14.5, 3, 6}, ink::grey, ink::outline);
        p.restore();
    }
    disc(p, {16, 16}, 9.5, ink::darkGrey);
    disc(p, {13, 13}, 2.6, ink::red, Qt::transparent);
}

void paintXTerminate(QPainter &p, const Variant &)
{
    for (const auto &[width, colour] : {std::pair{8.4, ink::outline}, std::pair{5.6, ink::red}}) {
        line(p, {5, 5}, {27, 27}, colour, width);
        line(p, {27, 5}, {5, 27}, colour, width);
    }
}

const Family families[] = {
    {"Laser", Suffix::Letters, paintLaser},
    {"MotionLaser", Suffix::Letters, paintMotionLaser},
    {"Spikes", Suffix::Letters, paintSpikes},
    {"DoubleSpike", Suffix::None, paintDoubleSpike},
    {"SpikeTrap", Suffix::None, paintSpikeTrap},
    {"Trap", Suffix::None, paintTrap},
    {"Hole", Suffix::None, paintHole},
    {"Fire", Suffix::None, paintFire},
    {"InvincibleFire", Suffix::None, paintInvincibleFire},
    {"Lava", Suffix::None, paintLava},
    {"Mine", Suffix::None, paintMine},
    {"X-Terminate", Suffix::None, paintXTerminate},
};

} // namespace

std::span<const Family> hazardFamilies()
{
    return families;
}

} // namespace tiles
