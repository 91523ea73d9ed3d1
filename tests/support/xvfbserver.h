#pragma once

#include <QProcess>
#include <QString>

namespace support {

// A virtual X server of our own, on a display number it picks itself among the free ones. It
// has no window manager, a black root window, 24-bit colour and 96 dots per inch, and it goes
// away with this object, or with this process should it die first.
class XvfbServer
{
public:
    XvfbServer() = default;
    ~XvfbServer();
    XvfbServer(const XvfbServer &) = delete;
    XvfbServer &operator=(const XvfbServer &) = delete;

    static bool installed();

    // Starts the server and waits until it accepts clients. Returns an empty string on success,
    // else what went wrong.
    QString start();
    // The display name to put in DISPLAY, e.g. ":3".
    const QString &display() const { return m_display; }

private:
    QProcess m_process;
    QString m_display;
};

// Makes a child process end when the process that started it ends, so no server or editor is
// left behind by a test that crashes.
void endWithParent(QProcess &process);

} // namespace support
