#include "toolkit/image.h"

#include "toolkit/eventdispatch.h"
#include "toolkit/imagehost.h"

#include <QPainter>
#include <cmath>

namespace toolkit {

Image::Image(Fit fit, const QPixmap &picture, ImageHost *host)
    : QObject(host), m_host(host), m_fit(fit)
{
    m_host->add(this);
    setPicture(picture);
}

Image::~Image()
{
    if (m_host)
        m_host->remove(this);
}

void Image::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    if (m_fit == Fit::Natural && m_geometry.size() != m_picture.size())
        resize(m_picture.size());
    else
        repaint();
}

void Image::setLeft(float left)
{
    move({static_cast<int>(std::lround(left)), y()});
}

void Image::setTop(float top)
{
    move({x(), static_cast<int>(std::lround(top))});
}

// Both the place the image leaves and the place it takes are painted anew.
void Image::setGeometry(const QRect &geometry)
{
    if (geometry == m_geometry)
        return;
    repaint();
    m_geometry = geometry;
    repaint();
}

void Image::setVisible(bool visible)
{
    if (visible == m_visible)
        return;
    m_visible = visible;
    if (m_host)
        m_host->update(m_geometry);
}

void Image::setClickHandler(std::function<void()> handler)
{
    m_clickHandler = std::move(handler);
}

// A picture larger than an image that does not stretch is cut off at the image's edges.
void Image::paint(QPainter &painter) const
{
    if (m_picture.isNull())
        return;
    if (m_fit == Fit::Stretch) {
        painter.drawPixmap(m_geometry, m_picture);
        return;
    }
    const QSize shown = m_geometry.size().boundedTo(m_picture.size());
    painter.drawPixmap(QRect(m_geometry.topLeft(), shown), m_picture, QRect(QPoint(0, 0), shown));
}

QImage Image::renderedImage() const
{
    QImage image(m_geometry.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.translate(-m_geometry.topLeft());
    paint(painter);
    return image;
}

void Image::click() const
{
    if (m_clickHandler)
        runHandler(m_clickHandler);
}

void Image::repaint() const
{
    if (m_visible && m_host)
        m_host->update(m_geometry);
}

} // namespace toolkit
