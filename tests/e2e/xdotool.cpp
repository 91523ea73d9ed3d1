#include "xdotool.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace e2e {

namespace {

constexpr int commandTimeoutMs = 15000;

QStringList pointArguments(QPoint position)
{
    return {QString::number(position.x()), QString::number(position.y())};
}

// Runs xdotool to its end; true when it ran and exited with status 0.
bool runXdotool(QProcess &process, const QString &display, const QStringList &arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral("xdotool"), arguments);
    if (!process.waitForFinished(commandTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        return false;
    }
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

} // namespace

bool Xdotool::installed()
{
    return !QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty();
}

std::optional<QString> Xdotool::run(const QStringList &arguments) const
{
    QProcess process;
    if (!runXdotool(process, m_display, arguments))
        return std::nullopt;
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// The server handles the input of one client in order, so the click lands where the pointer was
// moved to. (mousemove --sync is no help: it waits forever when the pointer is there already.)
bool Xdotool::click(QPoint position) const
{
    return run(QStringList{QStringLiteral("mousemove")} + pointArguments(position) +
               QStringList{QStringLiteral("click"), QStringLiteral("1")})
        .has_value();
}

bool Xdotool::moveTo(QPoint position) const
{
    return run(QStringList{QStringLiteral("mousemove")} + pointArguments(position)).has_value();
}

bool Xdotool::press(QPoint position) const
{
    return run(QStringList{QStringLiteral("mousemove")} + pointArguments(position) +
               QStringList{QStringLiteral("mousedown"), QStringLiteral("1")})
        .has_value();
}

bool Xdotool::release() const
{
    return run({QStringLiteral("mouseup"), QStringLiteral("1")}).has_value();
}

bool Xdotool::key(const QString &keys) const
{
    return run(QStringList{QStringLiteral("key")} + keys.split(QLatin1Char(' '))).has_value();
}

QList<quint64> Xdotool::windowList(const QStringList &searchArguments) const
{
    // search exits with status 1 when it finds nothing, which here is an empty list.
    QProcess process;
    runXdotool(process, m_display,
               QStringList{QStringLiteral("search"), QStringLiteral("--onlyvisible")} +
                   searchArguments);
    QList<quint64> windows;
    for (const QByteArray &line : process.readAllStandardOutput().split('\n')) {
        bool ok = false;
        const quint64 id = line.trimmed().toULongLong(&ok);
        if (ok)
            windows.append(id);
    }
    return windows;
}

QList<quint64> Xdotool::visibleWindows(qint64 pid) const
{
    return windowList({QStringLiteral("--pid"), QString::number(pid)});
}

QList<quint64> Xdotool::visibleWindows(const QString &titlePattern) const
{
    return windowList({QStringLiteral("--name"), titlePattern});
}

// Fails while the focus follows the pointer and no window has it.
std::optional<quint64> Xdotool::focusedWindow() const
{
    bool ok = false;
    const quint64 window =
        run({QStringLiteral("getwindowfocus")}).value_or(QString()).trimmed().toULongLong(&ok);
    return ok ? std::optional(window) : std::nullopt;
}

QRect Xdotool::geometry(quint64 window) const
{
    const QString shell = run({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"),
                               QString::number(window)})
                              .value_or(QString());
    const auto field = [&shell](const char *name) {
        const QRegularExpression pattern(QStringLiteral("^%1=(-?\\d+)$").arg(QLatin1String(name)),
                                         QRegularExpression::MultilineOption);
        const QRegularExpressionMatch match = pattern.match(shell);
        return match.hasMatch() ? match.captured(1).toInt() : -1;
    };
    return {field("X"), field("Y"), field("WIDTH"), field("HEIGHT")};
}

} // namespace e2e
