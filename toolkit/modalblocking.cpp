#include "toolkit/modalblocking.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace toolkit {

namespace {

const QWindow *topWindow(const QWindow *window)
{
    while (const QWindow *above = window->parent() ? window->parent() : window->transientParent())
        window = above;
    return window;
}

// An application-modal window blocks every window but its own descendants; a window-modal one
// the windows it shares its top window with.
bool blocks(const QWindow *modal, const QWindow *window)
{
    if (!modal->isVisible() || !modal->isModal() || modal == window ||
        modal->isAncestorOf(window, QWindow::IncludeTransients))
        return false;
    return modal->modality() == Qt::ApplicationModal || topWindow(modal) == topWindow(window);
}

} // namespace

// The latest modal window frees itself and its descendants from the ones shown before it.
bool isBlockedByModalWindow(const QWidget &widget)
{
    const QWindow *window = widget.window()->windowHandle();
    const QWindow *latest = QGuiApplication::modalWindow();
    if (!window || !latest || latest == window ||
        latest->isAncestorOf(window, QWindow::IncludeTransients))
        return false;
    const QWindowList windows = QGuiApplication::topLevelWindows();
    return std::any_of(windows.begin(), windows.end(),
                       [window](const QWindow *modal) { return blocks(modal, window); });
}

} // namespace toolkit
