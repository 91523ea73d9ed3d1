#include "toolkit/devicegrid.h"

#include <QtMath>

namespace toolkit {

DeviceGrid::DeviceGrid(const QTransform &toDevice) : m_toDevice(toDevice) {}

QRect DeviceGrid::deviceRect(const QRect &area) const
{
    const QRectF onDevice = m_toDevice.mapRect(QRectF(area));
    return QRect(QPoint(qRound(onDevice.left()), qRound(onDevice.top())),
                 QPoint(qRound(onDevice.right()) - 1, qRound(onDevice.bottom()) - 1));
}

// A pointer reported on a whole device pixel comes back from the window's scale a hair below it at
// times (30.5 × 2 may be 60.99999); the margin keeps it on its pixel.
QPoint DeviceGrid::pixelAt(QPointF devicePosition)
{
    constexpr qreal margin = 1.0 / 1024;
    return {qFloor(devicePosition.x() + margin), qFloor(devicePosition.y() + margin)};
}

QPointF DeviceGrid::centreOf(QPoint pixel) const
{
    return m_toDevice.inverted().map(QPointF(pixel) + QPointF(0.5, 0.5));
}

} // namespace toolkit
