#pragma once

#include <QMainWindow>

namespace bench {

// What any Qt program pays for a window like the editor's: a cyan client area of 492 × 493 pixels
// under a menu bar with the one command "Clear Maze", and nothing else. The benchmark holds the
// editor against it.
class BaselineWindow : public QMainWindow
{
    Q_OBJECT

public:
    BaselineWindow();

    // Creates and shows a window, as the editor opens its own.
    static BaselineWindow *open();
};

} // namespace bench
