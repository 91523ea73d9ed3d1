#pragma once

#include <QImage>
#include <QObject>
#include <QPixmap>
#include <QRect>
#include <functional>

class QPainter;

namespace toolkit {

class ImageHost;

// A windowless control that shows one picture and reports clicks. It is no widget of its own: the
// host it lives on paints it and tells it of clicks, so it can never take the keyboard focus.
// An image that does not stretch always has the size of its picture, its top-left corner staying
// where it is. A stretching image keeps its size and scales its picture to fill it.
class Image : public QObject
{
    Q_OBJECT

public:
    enum class Fit
    {
        Natural,
        Stretch
    };

    // The image is shown above every image created on `host` before it, visible until hidden.
    Image(Fit fit, const QPixmap &picture, ImageHost *host);
    ~Image() override;

    const QPixmap &Picture() const { return m_picture; }
    void setPicture(const QPixmap &picture);
    Fit fit() const { return m_fit; }

    float Left() const { return static_cast<float>(x()); }
    float Top() const { return static_cast<float>(y()); }
    void setLeft(float left);
    void setTop(float top);

    // The place on the host, in the host's pixels.
    QRect geometry() const { return m_geometry; }
    QPoint pos() const { return m_geometry.topLeft(); }
    QSize size() const { return m_geometry.size(); }
    int x() const { return m_geometry.x(); }
    int y() const { return m_geometry.y(); }
    int width() const { return m_geometry.width(); }
    int height() const { return m_geometry.height(); }
    void setGeometry(const QRect &geometry);
    void move(QPoint position) { setGeometry({position, size()}); }
    void resize(QSize size) { setGeometry({pos(), size}); }

    // The image's own setting: it is on the screen when it is visible and its host is shown.
    bool isVisible() const { return m_visible; }
    bool isHidden() const { return !m_visible; }
    void setVisible(bool visible);
    void show() { setVisible(true); }
    void hide() { setVisible(false); }

    // The widget the image lives on; nullptr once the host is being destroyed.
    ImageHost *host() const { return m_host; }

    void setClickHandler(std::function<void()> handler);

    // The image alone as its host paints it, at its size, transparent where no picture lies.
    QImage renderedImage() const;

private:
    friend class ImageHost;

    void paint(QPainter &painter) const;
    void click() const;
    void repaint() const;

    ImageHost *m_host;
    QPixmap m_picture;
    Fit m_fit;
    QRect m_geometry;
    bool m_visible = true;
    std::function<void()> m_clickHandler;
};

} // namespace toolkit
