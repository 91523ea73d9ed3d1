#include "toolkit/imagehostaccessible.h"

#include "toolkit/image.h"
#include "toolkit/imagedescriber.h"
#include "toolkit/imagehost.h"

#include <algorithm>

namespace toolkit {

ImageHostAccessible::ImageHostAccessible(ImageHost *host)
    : QAccessibleWidget(host, QAccessible::Client)
{}

ImageHost *ImageHostAccessible::host() const
{
    return static_cast<ImageHost *>(widget());
}

bool ImageHostAccessible::told(const Image *image) const
{
    const ImageDescriber *describer = host()->describer();
    return !describer || !describer->decorative(*image);
}

int ImageHostAccessible::childCount() const
{
    const auto &images = host()->images();
    return QAccessibleWidget::childCount() +
           static_cast<int>(std::count_if(images.begin(), images.end(),
                                          [this](const Image *image) { return told(image); }));
}

QAccessibleInterface *ImageHostAccessible::child(int index) const
{
    const int widgets = QAccessibleWidget::childCount();
    if (index < widgets)
        return QAccessibleWidget::child(index);
    int count = widgets;
    for (Image *image : host()->images()) {
        if (told(image) && count++ == index)
            return QAccessible::queryAccessibleInterface(image);
    }
    return nullptr;
}

int ImageHostAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    if (!child)
        return -1;
    const auto &images = host()->images();
    const auto found = std::find(images.begin(), images.end(), child->object());
    if (found == images.end())
        return QAccessibleWidget::indexOfChild(child);
    if (!told(*found))
        return -1;
    return QAccessibleWidget::childCount() +
           static_cast<int>(std::count_if(images.begin(), found,
                                          [this](const Image *image) { return told(image); }));
}

// Child widgets lie above the images; of the images, the topmost one there, unless it only
// decorates.
QAccessibleInterface *ImageHostAccessible::childAt(int x, int y) const
{
    if (QAccessibleInterface *widget = QAccessibleWidget::childAt(x, y))
        return widget;
    Image *image = host()->imageAt(host()->window()->mapFromGlobal(QPointF(x, y)));
    return image && told(image) ? QAccessible::queryAccessibleInterface(image) : nullptr;
}

} // namespace toolkit
