#pragma once

#include <QAccessibleObject>

namespace toolkit {

class Image;

// What assistive technology sees of a windowless image: a graphic named by its host's describer,
// or a button with a press action when a click on it does something. It is a child of its host's
// interface, and lies where the image lies on the screen.
class ImageAccessible : public QAccessibleObject, public QAccessibleActionInterface
{
public:
    explicit ImageAccessible(Image *image);

    bool isValid() const override;
    QAccessibleInterface *parent() const override;
    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QWindow *window() const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QRect rect() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    Image *image() const;
    bool pressable() const;
};

} // namespace toolkit
