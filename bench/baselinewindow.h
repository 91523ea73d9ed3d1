#pragma once

#include <QMainWindow>

namespace bench {

class BareBoard;

// What any Qt program pays for a window like the editor's: a cyan client area of 492 × 493 pixels
// under a menu bar with the one command "Clear Maze", and nothing else. A click on the client area
// shows the picture the editor's first click shows, read from the same file. The benchmark holds
// the editor against it.
class BaselineWindow : public QMainWindow
{
    Q_OBJECT

public:
    // The picture is read from the documents folder, as the editor reads it.
    BaselineWindow();

    // Creates and shows a window, as the editor opens its own.
    static BaselineWindow *open();

    BareBoard *board() const { return m_board; }

private:
    BareBoard *m_board;
};

} // namespace bench
