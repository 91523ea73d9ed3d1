#pragma once

#include <QDBusConnection>
#include <QList>
#include <QString>
#include <QStringList>

namespace e2e {

// An object that a program shows to assistive technology, by the program's name on the
// accessibility bus and the object's path there.
struct AccessibleObject
{
    QString service;
    QString path;

    bool operator==(const AccessibleObject &) const = default;
};

// The accessibility bus read as a screen reader reads it, through the AT-SPI D-Bus interfaces:
// the programs registered there, and each object's name, description, role, children and actions.
// A call that fails gives an empty answer.
class AccessibilityBus
{
public:
    AccessibilityBus();
    ~AccessibilityBus();
    AccessibilityBus(const AccessibilityBus &) = delete;
    AccessibilityBus &operator=(const AccessibilityBus &) = delete;

    // Asks the session bus at `sessionAddress` for the accessibility bus, starting it if need be,
    // and connects to it. Returns an empty string on success, else what went wrong.
    QString connect(const QString &sessionAddress);

    // The programs registered with the accessibility registry, each as its root object.
    QList<AccessibleObject> programs() const;

    QString name(const AccessibleObject &object) const;
    QString description(const AccessibleObject &object) const;
    // The role in words, as AT-SPI gives it: "scroll bar", "push button", "graphic", ...
    QString roleName(const AccessibleObject &object) const;
    QList<AccessibleObject> children(const AccessibleObject &object) const;
    QStringList actionNames(const AccessibleObject &object) const;
    // Runs the action of that name; false when the object has none such.
    bool doAction(const AccessibleObject &object, const QString &action) const;
    // Asks for the action of that name `count` times back to back, waiting for no answer; false
    // when the object has no such action.
    bool sendAction(const AccessibleObject &object, const QString &action, int count) const;
    // Sets the current value of an object that has one, such as a scroll bar.
    void setValue(const AccessibleObject &object, double value) const;

private:
    QList<QVariant> call(const AccessibleObject &object, const QString &interface,
                         const QString &method, const QList<QVariant> &arguments = {}) const;
    QString property(const AccessibleObject &object, const QString &interface,
                     const QString &name) const;

    QDBusConnection m_bus;
};

} // namespace e2e
