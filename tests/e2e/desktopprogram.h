#pragma once

#include <QProcess>
#include <QString>

namespace e2e {

// The real editor executable, started as a user would start it on one X display, with its home
// folder (and so its documents folder, ~/Documents) in `home`. Nothing of the caller's own desktop
// settings reaches it.
class EditorProcess
{
public:
    EditorProcess(const QString &executable, const QString &display, const QString &home);
    ~EditorProcess();
    EditorProcess(const EditorProcess &) = delete;
    EditorProcess &operator=(const EditorProcess &) = delete;

    // Starts the editor; an empty string on success, else what went wrong.
    QString start();
    void stop();

    bool running() const { return m_process.state() == QProcess::Running; }
    qint64 pid() const { return m_process.processId(); }
    // What the editor has written to its standard output and error so far.
    QString output();

private:
    QProcess m_process;
    QString m_executable;
    QString m_display;
    QString m_home;
    QByteArray m_output;
};

} // namespace e2e
