#include "toolkit/image.h"

#include <QAccessible>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QtMath>
#include <cmath>
#include <stdexcept>
#include <string>
#include <utility>

namespace toolkit {

namespace {

// The device pixels that an area of a host covers, each edge moved to the nearest pixel boundary.
QRect deviceRect(const QTransform &toDevice, const QRect &area)
{
    const QRectF onDevice = toDevice.mapRect(QRectF(area));
    return QRect(QPoint(qRound(onDevice.left()), qRound(onDevice.top())),
                 QPoint(qRound(onDevice.right()) - 1, qRound(onDevice.bottom()) - 1));
}

} // namespace

Image::Image(bool stretches, const QPixmap &picture, ImageHost *host)
    : Image(stretches, picture, host, nullptr, -1, {})
{}

Image::Image(bool stretches, const QPixmap &picture, ImageHost *host, ControlArray *array,
             qint16 index, const QString &pictureFile)
    : QObject(host), m_host(host), m_array(array), m_index(index), m_stretches(stretches)
{
    m_host->m_images.push_back(this);
    setPicture(picture, pictureFile);
}

Image::~Image()
{
    if (!m_host)
        return;
    std::erase(m_host->m_images, this);
    if (m_visible)
        m_host->update(m_rect);
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
    else if (m_visible && m_host)
        m_host->update(m_rect);
}

void Image::setSize(QSize size)
{
    if (m_stretches)
        setRect({m_rect.topLeft(), size});
}

void Image::setRect(const QRect &rect)
{
    if (rect == m_rect)
        return;
    const QRect left = m_rect;
    m_rect = rect;
    if (m_visible && m_host) {
        m_host->update(left);
        m_host->update(m_rect);
    }
}

void Image::setVisible(bool visible)
{
    if (visible == m_visible)
        return;
    m_visible = visible;
    if (m_host)
        m_host->update(m_rect);
}

ControlArray::ControlArray(bool stretches, const QPixmap &picture, ImageHost *host, QObject *parent)
    : QObject(parent)
{
    m_elements.push_back(new Image(stretches, picture, host, this, 0, {}));
}

Image *ControlArray::element(int index) const
{
    if (index < 0 || index >= static_cast<int>(m_elements.size()))
        return nullptr;
    return m_elements[static_cast<std::size_t>(index)];
}

int ControlArray::count() const
{
    return static_cast<int>(m_elements.size() -
                            std::count(m_elements.begin(), m_elements.end(), nullptr));
}

Image *ControlArray::create(int index)
{
    if (index < 1 || index > 32767 || element(index))
        throw std::invalid_argument("control array element " + std::to_string(index) +
                                    " cannot be created");
    const Image *first = m_elements.front();
    auto *image = new Image(first->stretches(), first->Picture(), first->host(), this,
                            static_cast<qint16>(index), first->pictureFile());
    image->setVisible(false);
    image->setLeft(first->Left());
    image->setTop(first->Top());
    image->setSize(first->size());
    if (static_cast<std::size_t>(index) >= m_elements.size())
        m_elements.resize(static_cast<std::size_t>(index) + 1, nullptr);
    m_elements[static_cast<std::size_t>(index)] = image;
    return image;
}

bool ControlArray::takesClicks() const
{
    return isSignalConnected(QMetaMethod::fromSignal(&ControlArray::clicked));
}

ImageHost::ImageHost(QWidget *parent) : QWidget(parent) {}

// The images go with the host's children; they must not reach back into a host half destroyed.
ImageHost::~ImageHost()
{
    for (Image *image : m_images)
        image->m_host = nullptr;
}

// The host's pixels lie on the device where the host lies in its window, at the window's scale,
// which is where a painter on the host draws them. A pointer reported on a whole device pixel comes
// back from the window's scale a hair below it at times (30.5 × 2 may be 60.99999); the margin
// keeps it on its pixel. Snapping moves an edge by less than a pixel of the host, so only an image
// within a pixel of the pointer is looked at on the device.
Image *ImageHost::imageAt(QPointF windowPosition) const
{
    const QPoint origin = mapTo(window(), QPoint(0, 0));
    const qreal ratio = devicePixelRatioF();
    const QTransform toDevice =
        QTransform::fromTranslate(origin.x(), origin.y()) * QTransform::fromScale(ratio, ratio);
    constexpr qreal margin = 1.0 / 1024;
    const QPoint pixel(qFloor(windowPosition.x() * ratio + margin),
                       qFloor(windowPosition.y() * ratio + margin));
    const QPoint near = (windowPosition - origin).toPoint();
    for (auto image = m_images.rbegin(); image != m_images.rend(); ++image) {
        if ((*image)->Visible() && (*image)->rect().adjusted(-1, -1, 1, 1).contains(near) &&
            deviceRect(toDevice, (*image)->rect()).contains(pixel))
            return *image;
    }
    return nullptr;
}

void ImageHost::click(const Image *image)
{
    if (ControlArray *array = image->array())
        emit array->clicked(image->index());
}

QString ImageHost::imageName(const Image &image) const
{
    return image.objectName();
}

void ImageHost::paintBackground(QPainter &, const QRect &) {}

// Only the images within the region to repaint are drawn; the painter clips to it anyway. They are
// drawn in device pixels, on the grid that imageAt() looks them up on.
void ImageHost::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    paintBackground(painter, event->rect());
    const QRegion &region = event->region();
    const QTransform toDevice = painter.deviceTransform();
    painter.setWorldTransform(toDevice.inverted());
    for (const Image *image : m_images) {
        if (image->Visible() && !image->Picture().isNull() && region.intersects(image->rect()))
            painter.drawPixmap(deviceRect(toDevice, image->rect()), image->Picture());
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

} // namespace toolkit
