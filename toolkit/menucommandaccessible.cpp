#include "toolkit/menucommandaccessible.h"

#include "toolkit/modalblocking.h"

#include <QAction>
#include <QMenuBar>
#include <QPointer>
#include <QRegularExpression>

namespace toolkit {

MenuCommandAccessible::MenuCommandAccessible(QAction *command, QMenuBar *menuBar)
    : LeafAccessible(command), m_menuBar(menuBar)
{}

QAction *MenuCommandAccessible::command() const
{
    return static_cast<QAction *>(object());
}

bool MenuCommandAccessible::isValid() const
{
    return QAccessibleObject::isValid() && command()->parent() == m_menuBar;
}

QAccessibleInterface *MenuCommandAccessible::parent() const
{
    return QAccessible::queryAccessibleInterface(m_menuBar);
}

QWindow *MenuCommandAccessible::window() const
{
    const QAccessibleInterface *menuBar = parent();
    return menuBar ? menuBar->window() : nullptr;
}

QString MenuCommandAccessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name: {
        QString name = command()->text();
        return name.remove(QRegularExpression(QStringLiteral("&(?=.)")));
    }
    case QAccessible::Description:
        return command()->statusTip();
    default:
        return {};
    }
}

QAccessible::State MenuCommandAccessible::state() const
{
    QAccessible::State state;
    state.disabled = !command()->isEnabled() || isBlockedByModalWindow(*m_menuBar);
    state.invisible = !command()->isVisible() || !m_menuBar->isVisible();
    state.focusable = !state.disabled;
    return state;
}

QRect MenuCommandAccessible::rect() const
{
    const QRect area = m_menuBar->actionGeometry(command());
    return {m_menuBar->mapToGlobal(area.topLeft()), area.size()};
}

void *MenuCommandAccessible::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this)
                                                : nullptr;
}

// A disabled command, one behind a modal window included, offers no press.
QStringList MenuCommandAccessible::actionNames() const
{
    if (state().disabled)
        return {};
    return {pressAction()};
}

// Run from the event loop, as a click on a menu is: the command may replace the window that the
// assistive technology's call is still about. A modal window shown meanwhile takes it away.
void MenuCommandAccessible::doAction(const QString &actionName)
{
    if (!actionNames().contains(actionName))
        return;
    QMetaObject::invokeMethod(
        command(),
        [command = QPointer<QAction>(command()), menuBar = QPointer<QMenuBar>(m_menuBar)] {
            if (command && menuBar && !isBlockedByModalWindow(*menuBar))
                command->trigger();
        },
        Qt::QueuedConnection);
}

} // namespace toolkit
