#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <optional>

namespace e2e {

// Real X input and window look-ups on one display, through the xdotool program. Positions are in
// screen pixels.
class Xdotool
{
public:
    explicit Xdotool(const QString &display) : m_display(display) {}

    static bool installed();

    // Moves the pointer there and clicks the left button.
    bool click(QPoint position) const;
    bool moveTo(QPoint position) const;
    // Moves the pointer there and presses the left button, which stays down until release().
    bool press(QPoint position) const;
    bool release() const;
    // Presses and releases one key or a sequence, e.g. "Down" or "Tab".
    bool key(const QString &keys) const;

    // The windows of a process that are mapped on the screen.
    QList<quint64> visibleWindows(qint64 pid) const;
    // The mapped windows whose title matches the regular expression.
    QList<quint64> visibleWindows(const QString &titlePattern) const;
    // The window that has the keyboard focus, if one has.
    std::optional<quint64> focusedWindow() const;
    // A window's position on the screen and its size; invalid if it has none.
    QRect geometry(quint64 window) const;

private:
    // Runs xdotool; returns its standard output, or nothing when it fails.
    std::optional<QString> run(const QStringList &arguments) const;
    QList<quint64> windowList(const QStringList &searchArguments) const;

    QString m_display;
};

} // namespace e2e
