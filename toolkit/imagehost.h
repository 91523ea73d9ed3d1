#pragma once

#include <QPointer>
#include <QWidget>
#include <vector>

namespace toolkit {

class Image;

// The widget that windowless images live on. It owns its images, paints the visible ones in the
// order they were created (later ones above earlier ones) with one painter, and turns a left-button
// press and release on the same topmost image into that image's click. Real widgets placed on the
// host always lie above its images.
class ImageHost : public QWidget
{
    Q_OBJECT

public:
    explicit ImageHost(QWidget *parent = nullptr);
    ~ImageHost() override;

    // The images in creation order, the lowest first.
    const std::vector<Image *> &images() const { return m_images; }
    // The topmost visible image covering `position`, or nullptr.
    Image *imageAt(QPoint position) const;

protected:
    // Paints what lies beneath the images within `area`; nothing by default, so that the parent's
    // background shows.
    virtual void paintBackground(QPainter &painter, const QRect &area);

    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    friend class Image;

    void add(Image *image);
    void remove(Image *image);

    std::vector<Image *> m_images;
    QPointer<Image> m_pressed;
};

} // namespace toolkit
