#pragma once

#include "toolkit/leafaccessible.h"

namespace toolkit {

class Image;

// What assistive technology sees of a windowless image: a graphic named by its host's describer,
// or a button with a press action when a click on it does something. Behind a modal window it is
// disabled and offers no press. It is a child of its host's interface, and lies where the image
// lies on the screen.
class ImageAccessible : public LeafAccessible
{
public:
    explicit ImageAccessible(Image *image);

    bool isValid() const override;
    QAccessibleInterface *parent() const override;
    QWindow *window() const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QRect rect() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

private:
    Image *image() const;
    bool pressable() const;
};

} // namespace toolkit
