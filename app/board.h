#pragma once

#include "catalogue/catalogue.h"

#include <QString>

namespace toolkit {
class ControlArray;
}

namespace app {

// The board grid: 10 × 10 cells, a cell column or row every 42 pixels, a wall slot or corner post
// right after the cell before it.
inline constexpr int boardCells = 10;
inline constexpr int boardPitch = catalogue::cellSide + catalogue::wallThickness;

// Turns element 0 of each array into the full board: 100 cells, 90 horizontal and 90 vertical wall
// slots and 81 corner posts, every one visible at its place on the grid.
void buildBoard(toolkit::ControlArray &Piece, toolkit::ControlArray &HWall,
                toolkit::ControlArray &VWall, toolkit::ControlArray &Corner);

// What assistive technology calls the cell or wall slot `index` that shows `pictureFile` (empty
// for the design's picture): where it lies and what it shows, e.g. "Cell 37, row 4, column 8:
// AngleL.bmp", "Horizontal wall slot 5, between cells 5 and 15: empty".
QString boardPlaceName(catalogue::Place place, int index, const QString &pictureFile);

} // namespace app
