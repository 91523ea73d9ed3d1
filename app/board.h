#pragma once

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

} // namespace app
