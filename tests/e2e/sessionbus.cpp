#include "sessionbus.h"

#include "support/xvfbserver.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace e2e {

namespace {

const QString busLauncher = QStringLiteral("/usr/libexec/at-spi-bus-launcher");

} // namespace

SessionBus::~SessionBus()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

QString SessionBus::missingPackage()
{
    if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty())
        return QStringLiteral("dbus-daemon is not installed (Debian package dbus-daemon)");
    if (!QFileInfo(busLauncher).isExecutable())
        return QStringLiteral("the AT-SPI bus is not installed (Debian package at-spi2-core)");
    return {};
}

// The daemon prints its address once it accepts clients.
QString SessionBus::start()
{
    support::endWithParent(m_process);
    m_process.start(QStringLiteral("dbus-daemon"),
                    {QStringLiteral("--session"), QStringLiteral("--nofork"),
                     QStringLiteral("--nosyslog"), QStringLiteral("--print-address=1")});
    if (!m_process.waitForStarted(10000))
        return QStringLiteral("dbus-daemon does not start: ") + m_process.errorString();
    while (!m_process.canReadLine()) {
        if (!m_process.waitForReadyRead(10000))
            return QStringLiteral("dbus-daemon gives no address: ") +
                   QString::fromLocal8Bit(m_process.readAllStandardError());
    }
    m_address = QString::fromLocal8Bit(m_process.readLine()).trimmed();
    return {};
}

} // namespace e2e
