#include "accessibilitybus.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusVariant>

namespace e2e {

namespace {

const QString accessibleInterface = QStringLiteral("org.a11y.atspi.Accessible");
const QString actionInterface = QStringLiteral("org.a11y.atspi.Action");
const QString busName = QStringLiteral("tolvane-accessibility-bus");
const QString sessionName = QStringLiteral("tolvane-session-bus");
constexpr int callTimeoutMs = 10000;

// AT-SPI's list of object references, a(so).
QList<AccessibleObject> objectList(const QVariant &value)
{
    QList<AccessibleObject> objects;
    const auto argument = value.value<QDBusArgument>();
    argument.beginArray();
    while (!argument.atEnd()) {
        AccessibleObject object;
        QDBusObjectPath path;
        argument.beginStructure();
        argument >> object.service >> path;
        argument.endStructure();
        object.path = path.path();
        objects.append(object);
    }
    argument.endArray();
    return objects;
}

} // namespace

AccessibilityBus::AccessibilityBus() : m_bus(busName) {}

AccessibilityBus::~AccessibilityBus()
{
    QDBusConnection::disconnectFromBus(busName);
    QDBusConnection::disconnectFromBus(sessionName);
}

QString AccessibilityBus::connect(const QString &sessionAddress)
{
    QDBusConnection session = QDBusConnection::connectToBus(sessionAddress, sessionName);
    if (!session.isConnected())
        return QStringLiteral("no session bus: ") + session.lastError().message();
    const QDBusMessage reply =
        session.call(QDBusMessage::createMethodCall(
                         QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
                         QStringLiteral("org.a11y.Bus"), QStringLiteral("GetAddress")),
                     QDBus::Block, callTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return QStringLiteral("no accessibility bus: ") + reply.errorMessage();
    m_bus = QDBusConnection::connectToBus(reply.arguments().front().toString(), busName);
    if (!m_bus.isConnected())
        return QStringLiteral("cannot connect to the accessibility bus: ") +
               m_bus.lastError().message();
    return {};
}

QList<QVariant> AccessibilityBus::call(const AccessibleObject &object, const QString &interface,
                                       const QString &method,
                                       const QList<QVariant> &arguments) const
{
    QDBusMessage message =
        QDBusMessage::createMethodCall(object.service, object.path, interface, method);
    message.setArguments(arguments);
    const QDBusMessage reply = m_bus.call(message, QDBus::Block, callTimeoutMs);
    return reply.type() == QDBusMessage::ReplyMessage ? reply.arguments() : QList<QVariant>();
}

QString AccessibilityBus::property(const AccessibleObject &object, const QString &interface,
                                   const QString &name) const
{
    const QList<QVariant> reply = call(object, QStringLiteral("org.freedesktop.DBus.Properties"),
                                       QStringLiteral("Get"), {interface, name});
    return reply.isEmpty() ? QString() : reply.front().value<QDBusVariant>().variant().toString();
}

QList<AccessibleObject> AccessibilityBus::programs() const
{
    return children({QStringLiteral("org.a11y.atspi.Registry"),
                     QStringLiteral("/org/a11y/atspi/accessible/root")});
}

QString AccessibilityBus::name(const AccessibleObject &object) const
{
    return property(object, accessibleInterface, QStringLiteral("Name"));
}

QString AccessibilityBus::description(const AccessibleObject &object) const
{
    return property(object, accessibleInterface, QStringLiteral("Description"));
}

QString AccessibilityBus::roleName(const AccessibleObject &object) const
{
    const QList<QVariant> reply = call(object, accessibleInterface, QStringLiteral("GetRoleName"));
    return reply.isEmpty() ? QString() : reply.front().toString();
}

QList<AccessibleObject> AccessibilityBus::children(const AccessibleObject &object) const
{
    const QList<QVariant> reply = call(object, accessibleInterface, QStringLiteral("GetChildren"));
    return reply.isEmpty() ? QList<AccessibleObject>() : objectList(reply.front());
}

QStringList AccessibilityBus::actionNames(const AccessibleObject &object) const
{
    const QString count = property(object, actionInterface, QStringLiteral("NActions"));
    QStringList names;
    for (int i = 0; i < count.toInt(); ++i) {
        const QList<QVariant> reply = call(object, actionInterface, QStringLiteral("GetName"), {i});
        names << (reply.isEmpty() ? QString() : reply.front().toString());
    }
    return names;
}

bool AccessibilityBus::doAction(const AccessibleObject &object, const QString &action) const
{
    const qsizetype index = actionNames(object).indexOf(action);
    if (index < 0)
        return false;
    const QList<QVariant> reply =
        call(object, actionInterface, QStringLiteral("DoAction"), {static_cast<int>(index)});
    return !reply.isEmpty() && reply.front().toBool();
}

bool AccessibilityBus::sendAction(const AccessibleObject &object, const QString &action,
                                  int count) const
{
    const qsizetype index = actionNames(object).indexOf(action);
    for (int sent = 0; sent < count && index >= 0; ++sent) {
        m_bus.send(QDBusMessage::createMethodCall(object.service, object.path, actionInterface,
                                                  QStringLiteral("DoAction"))
                   << static_cast<int>(index));
    }
    return index >= 0;
}

void AccessibilityBus::setValue(const AccessibleObject &object, double value) const
{
    call(object, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Set"),
         {QStringLiteral("org.a11y.atspi.Value"), QStringLiteral("CurrentValue"),
          QVariant::fromValue(QDBusVariant(value))});
}

} // namespace e2e
