#pragma once

#include <QAccessibleWidget>

namespace toolkit {

class ImageHost;

// What assistive technology sees of an image host: the widget, with its windowless images as
// children after its child widgets, in the order the host paints them.
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
};

} // namespace toolkit
