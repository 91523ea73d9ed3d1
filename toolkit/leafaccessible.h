#pragma once

#include <QAccessibleObject>

namespace toolkit {

// An object that assistive technology sees without children and that may offer actions, such as a
// windowless image or a command on the menu bar: what such objects have in common.
class LeafAccessible : public QAccessibleObject, public QAccessibleActionInterface
{
public:
    using QAccessibleObject::QAccessibleObject;

    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }
};

} // namespace toolkit
