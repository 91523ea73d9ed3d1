#pragma once

#include <QObject>
#include <QPixmap>
#include <QRect>
#include <QString>

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
    // `file` is the path the picture was read from; empty for a picture of other origin, such as
    // the design's. It is only remembered, for assistive technology to name what the image shows.
    void setPicture(const QPixmap &picture, const QString &file = {});
    const QString &pictureFile() const { return m_pictureFile; }

    float Left() const { return static_cast<float>(m_rect.x()); }
    float Top() const { return static_cast<float>(m_rect.y()); }
    void setLeft(float left);
    void setTop(float top);

    // The image's own setting: it is on the screen when it is visible and its host is shown.
    bool Visible() const { return m_visible; }
    void setVisible(bool visible);

    bool stretches() const { return m_stretches; }
    QSize size() const { return m_rect.size(); }
    // Only a stretching image takes a size of its own; any other keeps its picture's.
    void setSize(QSize size);
    // Where the image lies on its host, in the host's pixels.
    QRect rect() const { return m_rect; }
    // Whether the image is shown larger than the picture it was made with, and so may cover its
    // neighbours.
    bool overflows() const;

    // The control array the image is an element of, and its index there; nullptr and -1 for an
    // image that stands alone.
    ControlArray *array() const { return m_array; }
    qint16 index() const { return m_index; }

    // The widget the image lives on; nullptr once the host is being destroyed.
    ImageHost *host() const { return m_host; }

private:
    friend class ControlArray;
    friend class ImageHost;

    // An element of `array`, made by the array itself.
    Image(bool stretches, const QPixmap &picture, ImageHost *host, ControlArray *array,
          qint16 index, const QString &pictureFile);

    void setRect(const QRect &rect);
    // Schedules a repaint of the place the image takes.
    void update() const;

    ImageHost *m_host;
    ControlArray *m_array;
    qint16 m_index;
    QPixmap m_picture;
    QString m_pictureFile;
    bool m_stretches;
    QSize m_madeSize;
    QRect m_rect;
    bool m_visible = true;
};

} // namespace toolkit
