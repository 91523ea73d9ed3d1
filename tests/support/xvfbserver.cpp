#include "xvfbserver.h"

#include <QDeadlineTimer>
#include <QStandardPaths>
#include <csignal>
#include <sys/prctl.h>

namespace support {

namespace {

constexpr int startTimeoutMs = 20000;

} // namespace

void endWithParent(QProcess &process)
{
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
}

XvfbServer::~XvfbServer()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(5000))
        m_process.kill();
    m_process.waitForFinished(5000);
}

bool XvfbServer::installed()
{
    return !QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty();
}

// With -displayfd the server chooses a free display itself and writes its number to the given
// descriptor, here its standard output, once it is ready for clients.
QString XvfbServer::start()
{
    endWithParent(m_process);
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
    m_process.setStandardErrorFile(QProcess::nullDevice());
    m_process.start(QStringLiteral("Xvfb"),
                    {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                     QStringLiteral("0"), QStringLiteral("1024x768x24"), QStringLiteral("-dpi"),
                     QStringLiteral("96"), QStringLiteral("-br"), QStringLiteral("-nolisten"),
                     QStringLiteral("tcp")});
    if (!m_process.waitForStarted(startTimeoutMs))
        return QStringLiteral("Xvfb does not start: ") + m_process.errorString();

    QByteArray output;
    const QDeadlineTimer deadline(startTimeoutMs);
    while (!output.contains('\n')) {
        if (deadline.hasExpired() || m_process.state() != QProcess::Running)
            return QStringLiteral("Xvfb did not name its display");
        m_process.waitForReadyRead(static_cast<int>(deadline.remainingTime()));
        output += m_process.readAllStandardOutput();
    }
    m_display = QLatin1Char(':') + QString::fromLatin1(output.trimmed());
    return {};
}

} // namespace support
