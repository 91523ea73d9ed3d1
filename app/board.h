#pragma once

#include <QPointF>
#include <optional>
#include <utility>

namespace toolkit {
class ControlArray;
}

namespace app {

// The board grid: a cell column or row every 42 pixels, a wall slot or corner post 32 pixels after
// the start of the cell before it.
inline constexpr int boardPitch = 42;
inline constexpr int cellSize = 32;
inline constexpr int boardCells = 10;

// Turns element 0 of each array into the full board: 100 cells, 90 horizontal and 90 vertical wall
// slots and 81 corner posts, every one visible at its place on the grid.
void buildBoard(toolkit::ControlArray &Piece, toolkit::ControlArray &HWall,
                toolkit::ControlArray &VWall, toolkit::ControlArray &Corner);

// A place on the board: a cell, a wall slot or a corner post, by its index in its control array.
struct BoardSlot
{
    enum Kind
    {
        Cell,
        HorizontalWall,
        VerticalWall,
        Corner
    };
    Kind kind;
    int index;
};

// The board's four control arrays: its cells, horizontal and vertical wall slots and corner posts.
struct BoardArrays
{
    const toolkit::ControlArray &cells;
    const toolkit::ControlArray &hWalls;
    const toolkit::ControlArray &vWalls;
    const toolkit::ControlArray &corners;

    // The array that holds the places of `kind`.
    const toolkit::ControlArray &of(BoardSlot::Kind kind) const;
};

// The place on the board that holds `point` (in the board's pixels), or none outside the board.
// A point on the line between two places belongs to the one before it, to the left or above: the
// centre of a device pixel lies there when the pixel is drawn by that place, its edges being
// snapped to the nearest pixel boundary.
std::optional<BoardSlot> boardSlotAt(QPointF point);

// The row and the column of cell `index`, each counted from 1.
std::pair<int, int> cellRowAndColumn(int index);
// The two cells a wall slot lies between: above and below a horizontal slot, left and right of a
// vertical one.
std::pair<int, int> cellsBeside(BoardSlot::Kind wall, int index);

} // namespace app
