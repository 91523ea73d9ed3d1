#include "toolkit/image.h"

#include "toolkit/imagehost.h"

#include <QAccessible>
#include <cmath>

namespace toolkit {

Image::Image(bool stretches, const QPixmap &picture, ImageHost *host)
    : Image(stretches, picture, host, nullptr, -1, {})
{}

Image::Image(bool stretches, const QPixmap &picture, ImageHost *host, ControlArray *array,
             qint16 index, const QString &pictureFile)
    : QObject(host), m_host(host), m_array(array), m_index(index), m_stretches(stretches),
      m_madeSize(picture.size())
{
    m_host->add(this);
    setPicture(picture, pictureFile);
}

Image::~Image()
{
    if (m_host)
        m_host->remove(this);
}

// A new picture changes the image's accessible name, which tells the picture's file; assistive
// technology is told only while it is there to listen.
void Image::setPicture(const QPixmap &picture, const QString &file)
{
    m_picture = picture;
    m_pictureFile = file;
    if (QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
    if (!m_stretches && m_rect.size() != m_picture.size())
        setRect({m_rect.topLeft(), m_picture.size()});
    else
        update();
}

void Image::setLeft(float left)
{
    setRect({{static_cast<int>(std::lround(left)), m_rect.y()}, m_rect.size()});
}

void Image::setTop(float top)
{
    setRect({{m_rect.x(), static_cast<int>(std::lround(top))}, m_rect.size()});
}

void Image::setSize(QSize size)
{
    if (m_stretches)
        setRect({m_rect.topLeft(), size});
}

bool Image::overflows() const
{
    return !m_stretches &&
           (m_rect.width() > m_madeSize.width() || m_rect.height() > m_madeSize.height());
}

// Both the place the image leaves and the place it takes are painted anew.
void Image::setRect(const QRect &rect)
{
    if (rect == m_rect)
        return;
    update();
    const bool overflowed = m_visible && overflows();
    m_rect = rect;
    if (m_host)
        m_host->noteOverflow(overflowed, m_visible && overflows());
    update();
}

void Image::setVisible(bool visible)
{
    if (visible == m_visible)
        return;
    m_visible = visible;
    if (!m_host)
        return;
    m_host->noteOverflow(!visible && overflows(), visible && overflows());
    m_host->update(m_rect);
}

void Image::update() const
{
    if (m_visible && m_host)
        m_host->update(m_rect);
}

} // namespace toolkit
