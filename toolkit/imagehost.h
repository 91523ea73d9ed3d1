#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>
#include <vector>

namespace toolkit {

class DeviceGrid;
class Image;
class ImageDescriber;
class ImageLocator;

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

    // The image drawn on the device pixel under a position in the window's coordinates, unrounded,
    // as the window system reports the pointer; nullptr where the host's background shows.
    Image *imageAt(QPointF windowPosition) const;

    // Finds the image at a point by arithmetic where the images lie on a grid of their own; without
    // one, or while an image is shown larger than it was made and may cover its neighbours, the
    // images are searched, topmost first.
    void setLocator(std::unique_ptr<ImageLocator> locator);

    // What assistive technology is told about the images; without a describer an image is named
    // after its object name and offers no press.
    void setDescriber(std::unique_ptr<ImageDescriber> describer);
    const ImageDescriber *describer() const { return m_describer.get(); }

    // Clicks `image`, as a left-button press and release on it does: an element of a control array
    // is reported by its array with its index. An image that stands alone takes no clicks.
    static void click(const Image *image);

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
    void noteOverflow(bool before, bool after);

    // Where the host's pixels lie on the screen, and where a pointer lies in the window.
    DeviceGrid screenGrid() const;
    QPointF windowPosition(const QMouseEvent &event) const;
    Image *topmostAt(const DeviceGrid &grid, QPoint pixel) const;

    std::vector<Image *> m_images;
    int m_overflowing = 0;
    QPointer<Image> m_pressed;
    std::unique_ptr<ImageLocator> m_locator;
    std::unique_ptr<ImageDescriber> m_describer;
};

} // namespace toolkit
