#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

// What the editor's window should look like, in pixels of its client area (the area below the
// menu bar), and checks of screenshots against it. Every check returns an empty string when the
// shot agrees, else a description of the first pixel that does not.
namespace e2e {

inline constexpr int clientWidth = 492;
inline constexpr int clientHeight = 493;

// The board's grid: a cell row or column every 42 pixels, slots and posts 10 pixels deep.
inline constexpr int pitch = 42;
inline constexpr int cellSide = 32;
inline constexpr int slotDepth = 10;
inline constexpr QRect board(0, 0, 9 * pitch + cellSide, 9 * pitch + cellSide);

// The palette.
inline constexpr QRect objSample(410, 410, 64, 64);
inline constexpr QRect wallSampleH(0, 454, 64, 20);
inline constexpr QRect wallSampleV(454, 0, 20, 64);
inline constexpr QRect objScrollH(410, 474, 64, 17);
inline constexpr QRect objScrollV(474, 410, 17, 64);
inline constexpr QRect wallScrollH(0, 474, 64, 17);
inline constexpr QRect wallScrollV(474, 0, 17, 64);
// Where a click falls on nothing but the window's background.
inline constexpr QPoint background(440, 300);

inline constexpr QRgb white = qRgb(255, 255, 255);
inline constexpr QRgb cyan = qRgb(0, 255, 255);

enum class Family
{
    Cell,
    HorizontalSlot,
    VerticalSlot,
    CornerPost
};

int elementCount(Family family);
QRect elementRect(Family family, int n);
// A point on a scroll bar's arrow button: "ObjScrollH-" lowers its value, "ObjScrollH+" raises it.
QPoint arrowPoint(const QString &name);

QString solidMismatch(const QImage &shot, const QRect &area, QRgb colour, const QString &what);
// Every pixel that no control covers is cyan.
QString freeAreaMismatch(const QImage &shot);
// Every element of the family shows its design-time picture.
QString familyMismatch(const QImage &shot, Family family);
// The object sample shows its design-time figure.
QString figureMismatch(const QImage &shot);
// An image shows either its design-time picture (`file` empty) or the stand-in picture `file`.
QString sampleMismatch(const QImage &shot, const QRect &area, const QString &file,
                       const QString &what);
// The window exactly as it opens: background, board and samples.
QString designMismatch(const QImage &shot);
// A pixel of the board or the samples that differs between two shots outside `allowed`.
QString changesOutside(const QImage &before, const QImage &after, const QList<QRect> &allowed);

} // namespace e2e
