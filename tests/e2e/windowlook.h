#pragma once

#include "support/windowlayout.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

// Checks of screenshots of the editor's client area (the area below the menu bar) against the
// expected layout. Every check returns an empty string when the shot agrees, else a description
// of the first pixel that does not.
namespace e2e {

using namespace layout;

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
