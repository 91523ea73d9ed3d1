#include "toolkit/imagehost.h"

#include "toolkit/image.h"
#include "toolkit/imagedescriber.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTransform>
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

namespace {

// A rectangle in device pixels, its edges moved to the nearest pixel boundaries, so that images
// side by side meet without a seam or an overlap at any scale.
QRect onPixelGrid(const QRectF &area)
{
    return QRect(QPoint(qRound(area.left()), qRound(area.top())),
                 QPoint(qRound(area.right()) - 1, qRound(area.bottom()) - 1));
}

} // namespace

// The window's pixels map to the device's at its device pixel ratio, and a pointer position is a
// device pixel divided by that ratio: the pixel is found again, and the image drawn on it.
Image *ImageHost::imageAt(QPointF position) const
{
    const qreal ratio = devicePixelRatioF();
    const QPoint origin = mapTo(window(), QPoint(0, 0));
    const QTransform toDevice =
        QTransform::fromTranslate(origin.x(), origin.y()) * QTransform::fromScale(ratio, ratio);
    const QPointF onDevice = toDevice.map(position);
    const QPoint pixel(qRound(onDevice.x()), qRound(onDevice.y()));
    // An image can show the pixel only where its own rectangle comes near the point;
    // the exact test on the device grid is made for those few.
    const QPoint near = position.toPoint();
    const auto found = std::find_if(m_images.rbegin(), m_images.rend(), [&](Image *image) {
        return image->Visible() && image->rect().adjusted(-2, -2, 2, 2).contains(near) &&
               onPixelGrid(toDevice.mapRect(QRectF(image->rect()))).contains(pixel);
    });
    return found == m_images.rend() ? nullptr : *found;
}

void ImageHost::setDescriber(std::unique_ptr<ImageDescriber> describer)
{
    m_describer = std::move(describer);
}

void ImageHost::paintBackground(QPainter &, const QRect &) {}

// Only the images within the region to repaint are drawn; the painter clips to it anyway. They are
// drawn in device pixels, on the grid imageAt() looks them up on.
void ImageHost::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    paintBackground(painter, event->rect());
    const QRegion &region = event->region();
    const QTransform toDevice = painter.deviceTransform();
    painter.setWorldTransform(toDevice.inverted());
    for (const Image *image : m_images) {
        if (image->Visible() && !image->Picture().isNull() && region.intersects(image->rect()))
            painter.drawPixmap(onPixelGrid(toDevice.mapRect(QRectF(image->rect()))),
                               image->Picture());
    }
}

// A click is a left-button press and release on the same image, as on a button; the image on top
// takes it.
void ImageHost::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton ? imageAt(event->position()) : nullptr;
    if (!m_pressed)
        QWidget::mousePressEvent(event);
}

void ImageHost::mouseReleaseEvent(QMouseEvent *event)
{
    Image *pressed = std::exchange(m_pressed, nullptr);
    if (pressed && event->button() == Qt::LeftButton && imageAt(event->position()) == pressed)
        click(pressed);
    else
        QWidget::mouseReleaseEvent(event);
}

// One signal of the host serves every control array on it: a connection for each of hundreds of
// images would make every new window noticeably slower to build and to destroy.
void ImageHost::click(Image *image)
{
    emit image->clicked();
    emit clicked(image);
}

void ImageHost::add(Image *image)
{
    m_images.push_back(image);
}

void ImageHost::remove(Image *image)
{
    std::erase(m_images, image);
    if (m_pressed == image)
        m_pressed = nullptr;
    if (image->Visible())
        update(image->rect());
}

} // namespace toolkit
