#include "toolkit/accessiblefactory.h"

#include "toolkit/image.h"
#include "toolkit/imageaccessible.h"
#include "toolkit/imagehost.h"
#include "toolkit/imagehostaccessible.h"
#include "toolkit/menucommandaccessible.h"

#include <QAccessible>
#include <QAction>
#include <QMenuBar>

namespace toolkit {

namespace {

QAccessibleInterface *createInterface(const QString &, QObject *object)
{
    if (auto *image = qobject_cast<Image *>(object))
        return new ImageAccessible(image);
    if (auto *host = qobject_cast<ImageHost *>(object))
        return new ImageHostAccessible(host);
    if (auto *command = qobject_cast<QAction *>(object)) {
        if (auto *menuBar = qobject_cast<QMenuBar *>(command->parent()))
            return new MenuCommandAccessible(command, menuBar);
    }
    return nullptr;
}

} // namespace

void installAccessibleInterfaces()
{
    QAccessible::installFactory(createInterface);
}

} // namespace toolkit
