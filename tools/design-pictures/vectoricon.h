#pragma once

#include <QByteArray>
#include <QImage>

// The icon's drawing as a scalable picture (SVG): each drawing pixel a unit square, its
// transparent pixels left out, so that the picture shows the same figure at any size.
QByteArray vectorIcon(const QImage &drawing);
