#include "desktopprogram.h"

#include "xvfbserver.h"

#include <QDir>

namespace support {

namespace {

// Variables that would move the documents folder away from ~/Documents, scale the window or put it
// on another display or platform.
const char *const foreignVariables[] = {
    "XDG_CONFIG_HOME", "XDG_DATA_HOME",           "XDG_CACHE_HOME",
    "XDG_STATE_HOME",  "XDG_DOCUMENTS_DIR",       "XDG_CONFIG_DIRS",
    "XDG_RUNTIME_DIR", "WAYLAND_DISPLAY",         "QT_QPA_PLATFORM",
    "QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_ENABLE_HIGHDPI_SCALING",
    "QT_FONT_DPI",     "QT_STYLE_OVERRIDE",       "QT_QPA_PLATFORMTHEME",
};

} // namespace

DesktopProgram::DesktopProgram(const QString &executable, const QString &display,
                               const QString &home)
    : m_executable(executable), m_display(display), m_home(home)
{}

DesktopProgram::~DesktopProgram()
{
    stop();
}

QString DesktopProgram::start(const QStringList &arguments, const QStringList &settings)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : foreignVariables)
        environment.remove(QString::fromLatin1(name));
    const QString runtime = m_home + QStringLiteral("/.runtime");
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    environment.insert(QStringLiteral("HOME"), m_home);
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    environment.insert(QStringLiteral("DISPLAY"), m_display);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8")); // English
    for (const QString &setting : settings)
        environment.insert(setting.section(QLatin1Char('='), 0, 0),
                           setting.section(QLatin1Char('='), 1));

    m_output.clear();
    m_process.setProcessEnvironment(environment);
    m_process.setWorkingDirectory(m_home);
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    endWithParent(m_process);
    m_process.start(m_executable, arguments);
    if (!m_process.waitForStarted(20000))
        return m_executable + QStringLiteral(" does not start: ") + m_process.errorString();
    return {};
}

void DesktopProgram::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.kill();
    m_process.waitForFinished(10000);
}

bool DesktopProgram::waitForFinished(int timeoutMs)
{
    return m_process.state() == QProcess::NotRunning || m_process.waitForFinished(timeoutMs);
}

QString DesktopProgram::output()
{
    m_output += m_process.readAll();
    return QString::fromLocal8Bit(m_output);
}

} // namespace support
