#pragma once

#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>
#include <cmath>
#include <vector>

namespace toolkit {

class ControlArray;
class ImageHost;

// A windowless control that shows one picture. It is no widget of its own: the host it lives on
// paints it and takes the clicks on it, so it can never take the keyboard focus. An element of a
// control array knows its array and its index from the start, and a click on it is reported by the
// array with that index.
// An image that does not stretch always has the size of its picture, its top-left corner staying
// where it is. A stretching image keeps its size and scales its picture to fill it.
class Image : public QObject
{
    Q_OBJECT

public:
    // The image is shown above every image created on `host` before it, at (0, 0) and visible
    // until told otherwise.
    Image(bool stretches, const QPixmap &picture, ImageHost *host);
    ~Image() override;

    const QPixmap &Picture() const { return m_picture; }
    // `file` names the file the picture was read from; empty for a picture of other origin, such as
    // the design's. It is only remembered, for assistive technology to name what the image shows.
    void setPicture(const QPixmap &picture, const QString &file = {});
    const QString &pictureFile() const { return m_pictureFile; }

    float Left() const { return static_cast<float>(m_rect.x()); }
    float Top() const { return static_cast<float>(m_rect.y()); }
    void setLeft(float left) { setRect({{int(std::lround(left)), m_rect.y()}, m_rect.size()}); }
    void setTop(float top) { setRect({{m_rect.x(), int(std::lround(top))}, m_rect.size()}); }

    // The image's own setting: it is on the screen when it is visible and its host is shown.
    bool Visible() const { return m_visible; }
    void setVisible(bool visible);

    bool stretches() const { return m_stretches; }
    QSize size() const { return m_rect.size(); }
    // Only a stretching image takes a size of its own; any other keeps its picture's.
    void setSize(QSize size);
    // Where the image lies on its host, in the host's pixels.
    QRect rect() const { return m_rect; }

    // The control array the image is an element of, and its index there; nullptr and -1 for an
    // image that stands alone.
    ControlArray *array() const { return m_array; }
    qint16 index() const { return m_index; }

    // The widget the image lives on; nullptr once the host is being destroyed.
    ImageHost *host() const { return m_host; }

private:
    friend class ControlArray;
    friend class ImageHost;

    Image(bool stretches, const QPixmap &picture, ImageHost *host, ControlArray *array,
          qint16 index, const QString &pictureFile);

    // Moves the image, painting anew both the place it leaves and the place it takes.
    void setRect(const QRect &rect);

    ImageHost *m_host;
    ControlArray *m_array;
    qint16 m_index;
    QPixmap m_picture;
    QString m_pictureFile;
    bool m_stretches;
    QRect m_rect;
    bool m_visible = true;
};

// A family of images under one name, addressed by index. Element 0 comes from the window's
// design; every other element is created as a copy of it. A click on any element reaches the
// array's clicked() with that element's index, and nothing else.
class ControlArray : public QObject
{
    Q_OBJECT

public:
    // An array whose element 0 shows `picture` on `host`, stretching it or not.
    ControlArray(bool stretches, const QPixmap &picture, ImageHost *host, QObject *parent);

    // The element with this index, or nullptr when there is none.
    Image *element(int index) const;
    // How many elements exist.
    int count() const;

    // Creates element `index` from element 0: its picture (and picture file), size and stretching,
    // hidden, at element 0's position. Throws std::invalid_argument when the index is taken or
    // outside 1..32767.
    Image *create(int index);

    // Whether anything listens to the clicks on the elements: a press of one then does something.
    bool takesClicks() const;

signals:
    void clicked(qint16 index);

private:
    std::vector<Image *> m_elements;
};

// The widget that windowless images live on. It owns its images, paints the visible ones in the
// order they were created (later ones above earlier ones) with one painter, and turns a left-button
// press and release on the same image into a click of that image. Real widgets placed on the host
// always lie above its images. Assistive technology sees the images as the host's children.
class ImageHost : public QWidget
{
    Q_OBJECT

public:
    explicit ImageHost(QWidget *parent = nullptr);
    ~ImageHost() override;

    // The images in creation order, the lowest first.
    const std::vector<Image *> &images() const { return m_images; }

    // The topmost visible image drawn on the device pixel under a position in the window's
    // coordinates, unrounded, as the window system reports the pointer; nullptr where the host's
    // background shows. The images are drawn, and looked up here, with each edge moved to the
    // nearest device pixel boundary, so that at a fractional scale neighbours meet without a seam.
    Image *imageAt(QPointF windowPosition) const;

    // Clicks `image`, as a left-button press and release on it does: an element of a control array
    // is reported by its array with its index. An image that stands alone takes no clicks.
    static void click(const Image *image);

    // What assistive technology calls `image`: by default its object name.
    virtual QString imageName(const Image &image) const;

protected:
    // Paints what lies beneath the images within `area`; nothing by default, so that the parent's
    // background shows.
    virtual void paintBackground(QPainter &painter, const QRect &area);

    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    friend class Image;

    QPointF windowPosition(const QMouseEvent &event) const;

    std::vector<Image *> m_images;
    QPointer<Image> m_pressed;
};

} // namespace toolkit
