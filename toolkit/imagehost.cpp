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

Image *ImageHost::imageAt(QPoint position) const
{
    const auto found = std::find_if(m_images.rbegin(), m_images.rend(), [position](Image *image) {
        return image->isVisible() && image->geometry().contains(position);
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
        if (image->isVisible() && region.intersects(image->geometry()))
            image->paint(painter);
    }
}

// A click is a left-button press and release on the same image, as on a button; the image on top
// takes it.
void ImageHost::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton ? imageAt(event->position().toPoint()) : nullptr;
    if (!m_pressed)
        QWidget::mousePressEvent(event);
}

void ImageHost::mouseReleaseEvent(QMouseEvent *event)
{
    Image *pressed = std::exchange(m_pressed, nullptr);
    if (pressed && event->button() == Qt::LeftButton &&
        imageAt(event->position().toPoint()) == pressed)
        pressed->click();
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
    if (image->isVisible())
        update(image->geometry());
}

} // namespace toolkit
