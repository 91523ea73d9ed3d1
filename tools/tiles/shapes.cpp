#include "tools/tiles/shapes.h"

#include "tools/tiles/pixelfont.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <numbers>
#include <stdexcept>
#include <string>

namespace tiles::draw {

namespace {

QPen outlinePen(const QColor &colour)
{
    if (colour == Qt::transparent)
        return Qt::NoPen;
    QPen pen(colour, 1.2);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

QPointF unit(QPointF vector)
{
    const qreal length = std::hypot(vector.x(), vector.y());
    return vector / length;
}

} // namespace

QPointF step(char direction)
{
    switch (direction) {
    case 'D':
        return {0, 1};
    case 'L':
        return {-1, 0};
    case 'R':
        return {1, 0};
    case 'U':
        return {0, -1};
    default:
        throw std::invalid_argument("no direction '" + std::string(1, direction) + "'");
    }
}

QPointF step(std::string_view directions)
{
    QPointF sum;
    for (const char direction : directions)
        sum += step(direction);
    return sum;
}

void disc(QPainter &painter, QPointF centre, qreal radius, const QColor &fill, const QColor &line)
{
    ellipse(painter, QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), fill,
            line);
}

void ellipse(QPainter &painter, const QRectF &bounds, const QColor &fill, const QColor &line)
{
    painter.setPen(outlinePen(line));
    painter.setBrush(fill);
    painter.drawEllipse(bounds);
}

void box(QPainter &painter, const QRectF &bounds, const QColor &fill, const QColor &line,
         qreal cornerRadius)
{
    painter.setPen(outlinePen(line));
    painter.setBrush(fill);
    if (cornerRadius > 0)
        painter.drawRoundedRect(bounds, cornerRadius, cornerRadius);
    else
        painter.drawRect(bounds);
}

void polygon(QPainter &painter, std::initializer_list<QPointF> corners, const QColor &fill,
             const QColor &line)
{
    painter.setPen(outlinePen(line));
    painter.setBrush(fill);
    painter.drawPolygon(QPolygonF(QList<QPointF>(corners)));
}

void line(QPainter &painter, QPointF from, QPointF to, const QColor &colour, qreal width)
{
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(from, to);
}

void stroke(QPainter &painter, std::initializer_list<QPointF> points, const QColor &colour,
            qreal width)
{
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(QPolygonF(QList<QPointF>(points)));
}

namespace {

// Half the shaft's width, half the head's width and the head's length of an arrow of size 1.
constexpr qreal shaftHalfWidth = 2.2;
constexpr qreal headHalfWidth = 6.5;
constexpr qreal headLength = 8;

// The corners of one arrowhead and the shaft behind it, from one side of the shaft to the other.
void addHead(QPolygonF &outline, QPointF head, QPointF along, qreal size)
{
    const QPointF across(-along.y(), along.x());
    const QPointF neck = head - along * (headLength * size);
    outline << neck + across * (shaftHalfWidth * size) << neck + across * (headHalfWidth * size)
            << head << neck - across * (headHalfWidth * size)
            << neck - across * (shaftHalfWidth * size);
}

} // namespace

void arrow(QPainter &painter, QPointF tail, QPointF head, const QColor &fill, qreal size)
{
    const QPointF along = unit(head - tail);
    const QPointF across(-along.y(), along.x());
    QPolygonF outline;
    outline << tail + across * (shaftHalfWidth * size);
    addHead(outline, head, along, size);
    outline << tail - across * (shaftHalfWidth * size);
    painter.setPen(outlinePen(ink::outline));
    painter.setBrush(fill);
    painter.drawPolygon(outline);
}

void doubleArrow(QPainter &painter, QPointF one, QPointF other, const QColor &fill, qreal size)
{
    const QPointF along = unit(other - one);
    QPolygonF outline;
    addHead(outline, other, along, size);
    addHead(outline, one, -along, size);
    painter.setPen(outlinePen(ink::outline));
    painter.setBrush(fill);
    painter.drawPolygon(outline);
}

void arrowhead(QPainter &painter, QPointF tip, QPointF direction, qreal length, qreal width,
               const QColor &fill, const QColor &line)
{
    const QPointF along = unit(direction);
    const QPointF across(-along.y(), along.x());
    const QPointF base = tip - along * length;
    polygon(painter, {tip, base + across * (width / 2), base - across * (width / 2)}, fill, line);
}

void star(QPainter &painter, QPointF centre, qreal radius, const QColor &fill, const QColor &line)
{
    QPolygonF points;
    for (int i = 0; i < 10; ++i) {
        const qreal r = i % 2 == 0 ? radius : radius * 0.45;
        const qreal angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        points << centre + QPointF(r * std::cos(angle), r * std::sin(angle));
    }
    painter.setPen(outlinePen(line));
    painter.setBrush(fill);
    painter.drawPolygon(points);
}

void turnTo(QPainter &painter, char direction)
{
    qreal degrees = 0;
    switch (direction) {
    case 'D':
        break;
    case 'L':
        degrees = 90;
        break;
    case 'U':
        degrees = 180;
        break;
    case 'R':
        degrees = 270;
        break;
    default:
        throw std::invalid_argument("no direction '" + std::string(1, direction) + "'");
    }
    const QPointF centre(painter.device()->width() / 2.0, painter.device()->height() / 2.0);
    painter.translate(centre);
    painter.rotate(degrees);
    painter.translate(-centre);
}

void numberBadge(QPainter &painter, int number)
{
    const std::string digits = std::to_string(number);
    const qreal radius = digits.size() > 1 ? 8 : 6.5;
    const QPointF centre(31 - radius, 31 - radius);
    disc(painter, centre, radius, ink::outline, ink::white);
    pixelfont::drawCentredText(painter, centre, digits, ink::white);
}

} // namespace tiles::draw
