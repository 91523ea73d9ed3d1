#include "toolkit/image.h"

#include "toolkit/eventdispatch.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace toolkit {

Image::Image(Fit fit, const QPixmap &picture, QWidget *parent) : QWidget(parent), m_fit(fit)
{
    setFocusPolicy(Qt::NoFocus);
    setPicture(picture);
}

// An image does not declare itself opaque, though most pictures cover it. With hundreds of opaque
// images on the board, the window would work out the region they cover before it paints, at a cost
// that grows with the square of their number; painting the background beneath them costs far less.
void Image::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    if (m_fit == Fit::Natural)
        resize(m_picture.size());
    update();
}

void Image::setLeft(float left)
{
    move(static_cast<int>(std::lround(left)), y());
}

void Image::setTop(float top)
{
    move(x(), static_cast<int>(std::lround(top)));
}

void Image::setClickHandler(std::function<void()> handler)
{
    m_clickHandler = std::move(handler);
}

void Image::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_fit == Fit::Stretch)
        painter.drawPixmap(rect(), m_picture);
    else
        painter.drawPixmap(0, 0, m_picture);
}

// A click is a left-button press and release on the image, as on a button.
void Image::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void Image::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click && m_clickHandler)
        runHandler(m_clickHandler);
}

} // namespace toolkit
