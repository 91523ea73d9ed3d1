#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace support {

// A program such as the editor, started as a user would start it from a desktop on one X display,
// with its home folder (and so its documents folder, ~/Documents) in `home`. Nothing of the
// caller's own desktop settings reaches it.
class DesktopProgram
{
public:
    DesktopProgram(const QString &executable, const QString &display, const QString &home);
    ~DesktopProgram();
    DesktopProgram(const DesktopProgram &) = delete;
    DesktopProgram &operator=(const DesktopProgram &) = delete;

    // Starts the program, with `settings` added to its environment ("QT_SCALE_FACTOR=2"); an empty
    // string on success, else what went wrong.
    QString start(const QStringList &arguments = {}, const QStringList &settings = {});
    void stop();
    // Waits for the program to end by itself; false if it is still running after `timeoutMs`.
    bool waitForFinished(int timeoutMs);

    bool running() const { return m_process.state() == QProcess::Running; }
    qint64 pid() const { return m_process.processId(); }
    // What the program has written to its standard output and error so far.
    QString output();

private:
    QProcess m_process;
    QString m_executable;
    QString m_display;
    QString m_home;
    QByteArray m_output;
};

} // namespace support
