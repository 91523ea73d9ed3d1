#pragma once

#include <QProcess>
#include <QString>

namespace e2e {

// A D-Bus session bus of our own, as a desktop session has one: programs started with its address
// find the accessibility bus through it, which the bus starts on the first request
// (at-spi-bus-launcher). It goes away with this object, or with this process should it die first,
// and the accessibility bus with it.
class SessionBus
{
public:
    SessionBus() = default;
    ~SessionBus();
    SessionBus(const SessionBus &) = delete;
    SessionBus &operator=(const SessionBus &) = delete;

    // Why an accessibility bus cannot be had here, naming the Debian package; empty when it can.
    static QString missingPackage();

    // Starts the bus. Returns an empty string on success, else what went wrong.
    QString start();
    // The address to put in DBUS_SESSION_BUS_ADDRESS.
    const QString &address() const { return m_address; }

private:
    QProcess m_process;
    QString m_address;
};

} // namespace e2e
