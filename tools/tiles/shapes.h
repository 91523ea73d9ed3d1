#pragma once

#include "tools/tiles/palette.h"

#include <QPointF>
#include <QRectF>
#include <initializer_list>
#include <string_view>

class QPainter;

// Small drawing steps that the tile painters are built from. Coordinates are in tile pixels, the
// origin at the tile's top-left corner; every shape is outlined unless its outline is given as
// Qt::transparent.
namespace tiles::draw {

// The unit step of a direction letter: D down, L left, R right, U up. Throws for other letters.
QPointF step(char direction);
// The sum of the steps of several letters, so "DL" is the step down and to the left.
QPointF step(std::string_view directions);

void disc(QPainter &painter, QPointF centre, qreal radius, const QColor &fill,
          const QColor &line = ink::outline);
void ellipse(QPainter &painter, const QRectF &bounds, const QColor &fill,
             const QColor &line = ink::outline);
void box(QPainter &painter, const QRectF &bounds, const QColor &fill,
         const QColor &line = ink::outline, qreal cornerRadius = 0);
void polygon(QPainter &painter, std::initializer_list<QPointF> corners, const QColor &fill,
             const QColor &line = ink::outline);
void line(QPainter &painter, QPointF from, QPointF to, const QColor &colour, qreal width = 1);
// A polyline through `points`, drawn with a round-capped pen.
void stroke(QPainter &painter, std::initializer_list<QPointF> points, const QColor &colour,
            qreal width);

// An outlined arrow from `tail` to the tip at `head`; `size` scales shaft and head together.
void arrow(QPainter &painter, QPointF tail, QPointF head, const QColor &fill, qreal size = 1);
// An outlined arrow with a head at both ends.
void doubleArrow(QPainter &painter, QPointF one, QPointF other, const QColor &fill, qreal size = 1);
// A filled arrowhead (chevron) whose tip is at `tip`, pointing along `direction`.
void arrowhead(QPainter &painter, QPointF tip, QPointF direction, qreal length, qreal width,
               const QColor &fill, const QColor &line = ink::outline);
void star(QPainter &painter, QPointF centre, qreal radius, const QColor &fill,
          const QColor &line = ink::outline);
// Turns the painter about the picture's centre so that a figure drawn pointing down points in
// `direction` (D, L, R or U) instead.
void turnTo(QPainter &painter, char direction);
// A number in a dark round badge at the tile's bottom-right corner, for numbered variants.
void numberBadge(QPainter &painter, int number);

} // namespace tiles::draw
