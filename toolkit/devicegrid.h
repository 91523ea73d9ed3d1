#pragma once

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QTransform>

namespace toolkit {

// Where a host's pixels fall on the device's pixels. At a fractional scale every image is drawn
// with each edge moved to the nearest device pixel boundary, so that neighbours meet without a seam
// or an overlap; a pointer is looked up on the same grid, so that the image that shows a device
// pixel is the one a click on that pixel reaches.
class DeviceGrid
{
public:
    // `toDevice` maps the host's coordinates to device pixels: as a painter on the host has it, or
    // the host's place in its window times the window's device pixel ratio.
    explicit DeviceGrid(const QTransform &toDevice);

    // The device pixels that an area of the host covers once its edges are snapped.
    QRect deviceRect(const QRect &area) const;
    // The device pixel under a position in device coordinates, as the window system gives it.
    static QPoint pixelAt(QPointF devicePosition);
    // The centre of a device pixel, in the host's coordinates.
    QPointF centreOf(QPoint pixel) const;

private:
    QTransform m_toDevice;
};

} // namespace toolkit
