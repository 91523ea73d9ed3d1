#include "toolkit/imageaccessible.h"

#include "toolkit/image.h"
#include "toolkit/imagedescriber.h"
#include "toolkit/imagehost.h"
#include "toolkit/modalblocking.h"

#include <QMetaObject>
#include <QPointer>

namespace toolkit {

ImageAccessible::ImageAccessible(Image *image) : LeafAccessible(image) {}

Image *ImageAccessible::image() const
{
    return static_cast<Image *>(object());
}

// An image outlives its host for a moment while the host's children are destroyed.
bool ImageAccessible::isValid() const
{
    return QAccessibleObject::isValid() && image()->host();
}

QAccessibleInterface *ImageAccessible::parent() const
{
    return QAccessible::queryAccessibleInterface(image()->host());
}

QWindow *ImageAccessible::window() const
{
    const QAccessibleInterface *host = parent();
    return host ? host->window() : nullptr;
}

bool ImageAccessible::pressable() const
{
    const ImageDescriber *describer = image()->host()->describer();
    return describer && describer->pressable(*image());
}

QString ImageAccessible::text(QAccessible::Text t) const
{
    if (t != QAccessible::Name)
        return {};
    const ImageDescriber *describer = image()->host()->describer();
    return describer ? describer->name(*image()) : image()->objectName();
}

QAccessible::Role ImageAccessible::role() const
{
    return pressable() ? QAccessible::Button : QAccessible::Graphic;
}

QAccessible::State ImageAccessible::state() const
{
    QAccessible::State state;
    state.invisible = !image()->Visible() || !image()->host()->isVisible();
    state.disabled = !image()->host()->isEnabled() || isBlockedByModalWindow(*image()->host());
    return state;
}

QRect ImageAccessible::rect() const
{
    const QRect area = image()->rect();
    return {image()->host()->mapToGlobal(area.topLeft()), area.size()};
}

void *ImageAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ActionInterface && pressable())
        return static_cast<QAccessibleActionInterface *>(this);
    return nullptr;
}

// A disabled image, one behind a modal window included, offers no press.
QStringList ImageAccessible::actionNames() const
{
    if (!pressable() || state().disabled)
        return {};
    return {pressAction()};
}

// A press is a click, as the mouse gives it, on a visible image of an enabled host. It is run from
// the event loop, as Qt's buttons run theirs: whatever the click starts, a report waiting for the
// user included, must not hold up the assistive technology's call. A modal window shown meanwhile
// takes the press away, as it takes the mouse's.
void ImageAccessible::doAction(const QString &actionName)
{
    if (state().invisible || !actionNames().contains(actionName))
        return;
    QMetaObject::invokeMethod(
        image()->host(),
        [host = QPointer<ImageHost>(image()->host()), image = QPointer<Image>(image())] {
            if (host && image && !isBlockedByModalWindow(*host))
                host->click(image);
        },
        Qt::QueuedConnection);
}

} // namespace toolkit
