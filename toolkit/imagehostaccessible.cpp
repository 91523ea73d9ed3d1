#include "toolkit/imagehostaccessible.h"

#include "toolkit/image.h"
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

int ImageHostAccessible::childCount() const
{
    return QAccessibleWidget::childCount() + static_cast<int>(host()->images().size());
}

QAccessibleInterface *ImageHostAccessible::child(int index) const
{
    const int widgets = QAccessibleWidget::childCount();
    if (index < widgets)
        return QAccessibleWidget::child(index);
    const auto &images = host()->images();
    const auto image = static_cast<std::size_t>(index - widgets);
    return image < images.size() ? QAccessible::queryAccessibleInterface(images[image]) : nullptr;
}

int ImageHostAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    if (!child)
        return -1;
    const auto &images = host()->images();
    const auto found = std::find(images.begin(), images.end(), child->object());
    if (found == images.end())
        return QAccessibleWidget::indexOfChild(child);
    return QAccessibleWidget::childCount() + static_cast<int>(found - images.begin());
}

// Child widgets lie above the images; of the images, the topmost one there.
QAccessibleInterface *ImageHostAccessible::childAt(int x, int y) const
{
    if (QAccessibleInterface *widget = QAccessibleWidget::childAt(x, y))
        return widget;
    Image *image = host()->imageAt(host()->window()->mapFromGlobal(QPointF(x, y)));
    return image ? QAccessible::queryAccessibleInterface(image) : nullptr;
}

} // namespace toolkit
