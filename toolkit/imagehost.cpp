#include "toolkit/imagehost.h"

#include "toolkit/image.h"

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

Image *ImageHost::imageAt(QPointF position) const
{
    // A pointer position names the top-left corner of a device pixel; the painting covers the
    // pixels whose centres lie inside an image's rectangle.
    const qreal halfPixel = 0.5 / devicePixelRatioF();
    const QPointF centre = position + QPointF(halfPixel, halfPixel);
    const auto found = std::find_if(m_images.rbegin(), m_images.rend(), [centre](Image *image) {
        const QRectF shown = image->rect();
        return image->Visible() && shown.left() <= centre.x() && centre.x() < shown.right() &&
               shown.top() <= centre.y() && centre.y() < shown.bottom();
    });
    return found == m_images.rend() ? nullptr : *found;
}

void ImageHost::paintBackground(QPainter &, const QRect &) {}

// Only the images within the region to repaint are drawn; the painter clips to it anyway.
void ImageHost::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    paintBackground(painter, event->rect());
    const QRegion &region = event->region();
    for (const Image *image : m_images) {
        if (image->Visible() && region.intersects(image->rect()))
            image->paint(painter);
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
        emit pressed->clicked();
    else
        QWidget::mouseReleaseEvent(event);
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
