#pragma once

#include <QAccessibleObject>

class QAction;
class QMenuBar;

namespace toolkit {

// What assistive technology sees of a command placed directly on a menu bar: a menu item named
// after the command's text and described by its status tip, which a press runs. Qt's own
// interface for it has no description.
class MenuCommandAccessible : public QAccessibleObject, public QAccessibleActionInterface
{
public:
    MenuCommandAccessible(QAction *command, QMenuBar *menuBar);

    bool isValid() const override;
    QAccessibleInterface *parent() const override;
    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QWindow *window() const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    QAccessible::State state() const override;
    QRect rect() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QAction *command() const;
    QMenuBar *m_menuBar;
};

} // namespace toolkit
