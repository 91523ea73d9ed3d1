#pragma once

#include <QAccessibleWidget>

namespace toolkit {

class Image;
class ImageHost;

// What assistive technology sees of an image host: the widget, with its windowless images as
// children after its child widgets, in the order the host paints them; images that only decorate
// are left out.
class ImageHostAccessible : public QAccessibleWidget
{
public:
    explicit ImageHostAccessible(ImageHost *host);

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;

private:
    ImageHost *host() const;
    bool told(const Image *image) const;
};

} // namespace toolkit
