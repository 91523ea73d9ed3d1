#pragma once

#include "toolkit/leafaccessible.h"

class QAction;
class QMenuBar;

namespace toolkit {

// What assistive technology sees of a command placed directly on a menu bar: a menu item named
// after the command's text and described by its status tip, which a press runs; behind a modal
// window it is disabled and offers no press. Qt's own interface for it has no description.
class MenuCommandAccessible : public LeafAccessible
{
public:
    MenuCommandAccessible(QAction *command, QMenuBar *menuBar);

    bool isValid() const override;
    QAccessibleInterface *parent() const override;
    QWindow *window() const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    QAccessible::State state() const override;
    QRect rect() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

private:
    QAction *command() const;
    QMenuBar *m_menuBar;
};

} // namespace toolkit
