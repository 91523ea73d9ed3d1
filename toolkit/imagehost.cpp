#include "toolkit/imagehost.h"

#include "toolkit/controlarray.h"
#include "toolkit/devicegrid.h"
#include "toolkit/image.h"
#include "toolkit/imagedescriber.h"
#include "toolkit/imagelocator.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <utility>

namespace toolkit {

ImageHost::ImageHost(QWidget *parent) : QWidget(parent) {}

// The images go with the host's children; they must not reach back into a host half destroyed.
ImageHost::~ImageHost()
{
    for (Image *image : m_images)
        image->m_host = nullptr;
}

// On the screen the host's pixels lie where the host lies in its window, at the window's scale,
// which is where a painter on the host draws them.
DeviceGrid ImageHost::screenGrid() const
{
    const QPoint origin = mapTo(window(), QPoint(0, 0));
    const qreal ratio = devicePixelRatioF();
    return DeviceGrid(QTransform::fromTranslate(origin.x(), origin.y()) *
                      QTransform::fromScale(ratio, ratio));
}

Image *ImageHost::imageAt(QPointF windowPosition) const
{
    const DeviceGrid grid = screenGrid();
    const QPoint pixel = DeviceGrid::pixelAt(windowPosition * devicePixelRatioF());
    if (m_locator && m_overflowing == 0) {
        Image *image = m_locator->imageAt(grid.centreOf(pixel));
        if (image && image->Visible() && grid.deviceRect(image->rect()).contains(pixel))
            return image;
    }
    return topmostAt(grid, pixel);
}

Image *ImageHost::topmostAt(const DeviceGrid &grid, QPoint pixel) const
{
    const auto found = std::find_if(m_images.rbegin(), m_images.rend(), [&](Image *image) {
        return image->Visible() && grid.deviceRect(image->rect()).contains(pixel);
    });
    return found == m_images.rend() ? nullptr : *found;
}

void ImageHost::setLocator(std::unique_ptr<ImageLocator> locator)
{
    m_locator = std::move(locator);
}

void ImageHost::setDescriber(std::unique_ptr<ImageDescriber> describer)
{
    m_describer = std::move(describer);
}

void ImageHost::paintBackground(QPainter &, const QRect &) {}

// Only the images within the region to repaint are drawn; the painter clips to it anyway. They are
// drawn in device pixels, on the grid that imageAt() looks them up on.
void ImageHost::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    paintBackground(painter, event->rect());
    const QRegion &region = event->region();
    const DeviceGrid grid(painter.deviceTransform());
    painter.setWorldTransform(painter.deviceTransform().inverted());
    for (const Image *image : m_images) {
        if (image->Visible() && !image->Picture().isNull() && region.intersects(image->rect()))
            painter.drawPixmap(grid.deviceRect(image->rect()), image->Picture());
    }
}

// Qt rounds the position it gives a child widget to whole pixels of the window's scale and keeps
// the pointer's exact place only in the window's coordinates. An event that a program makes may
// leave the widget's own position there instead; then the rounded one is all there is.
QPointF ImageHost::windowPosition(const QMouseEvent &event) const
{
    const QPointF rounded = event.position() + QPointF(mapTo(window(), QPoint(0, 0)));
    const QPointF exact = event.scenePosition();
    const bool agree = qAbs(exact.x() - rounded.x()) <= 0.5 && qAbs(exact.y() - rounded.y()) <= 0.5;
    return agree ? exact : rounded;
}

// A click is a left-button press and release on the same image, as on a button.
void ImageHost::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton ? imageAt(windowPosition(*event)) : nullptr;
    if (!m_pressed)
        QWidget::mousePressEvent(event);
}

void ImageHost::mouseReleaseEvent(QMouseEvent *event)
{
    Image *pressed = std::exchange(m_pressed, nullptr);
    if (pressed && event->button() == Qt::LeftButton && imageAt(windowPosition(*event)) == pressed)
        click(pressed);
    else
        QWidget::mouseReleaseEvent(event);
}

void ImageHost::click(const Image *image)
{
    if (ControlArray *array = image->array())
        emit array->clicked(image->index());
}

void ImageHost::add(Image *image)
{
    m_images.push_back(image);
}

void ImageHost::remove(Image *image)
{
    std::erase(m_images, image);
    noteOverflow(image->Visible() && image->overflows(), false);
    if (m_pressed == image)
        m_pressed = nullptr;
    if (image->Visible())
        update(image->rect());
}

void ImageHost::noteOverflow(bool before, bool after)
{
    m_overflowing += int(after) - int(before);
}

} // namespace toolkit
