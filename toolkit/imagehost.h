#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>
#include <vector>

namespace toolkit {

class Image;
class ImageDescriber;

// The widget that windowless images live on. It owns its images, paints the visible ones in the
// order they were created (later ones above earlier ones) with one painter, and turns a left-button
// press and release on the same topmost image into that image's click. Real widgets placed on the
// host always lie above its images. Assistive technology sees the images as the host's children.
// A point is looked up where the painting puts it: at a fractional scale, the image that shows a
// device pixel is the one a click on that pixel reaches.
class ImageHost : public QWidget
{
    Q_OBJECT

public:
    explicit ImageHost(QWidget *parent = nullptr);
    ~ImageHost() override;

    // The images in creation order, the lowest first.
    const std::vector<Image *> &images() const { return m_images; }
    // The topmost visible image that shows the device pixel at `position` (in the host's
    // coordinates, as a mouse event gives them), or nullptr.
    Image *imageAt(QPointF position) const;

    // What assistive technology is told about the images; without a describer an image is named
    // after its object name and offers no press.
    void setDescriber(std::unique_ptr<ImageDescriber> describer);
    const ImageDescriber *describer() const { return m_describer.get(); }

    // Clicks `image`, as a left-button press and release on it does: the image signals clicked(),
    // and so does the host, naming it.
    void click(Image *image);

signals:
    void clicked(toolkit::Image *image);

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
    std::unique_ptr<ImageDescriber> m_describer;
};

} // namespace toolkit
