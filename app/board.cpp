#include "app/board.h"

#include "toolkit/controlarray.h"
#include "toolkit/image.h"

#include <QtMath>

namespace app {

namespace {

void showAt(toolkit::Image *element, int left, int top)
{
    element->setVisible(true);
    element->setLeft(static_cast<float>(left));
    element->setTop(static_cast<float>(top));
}

// Where a position across the board falls: in the span of cell column (or row) `index`, or in the
// gap after it. Spans are open at their start and closed at their end.
struct Span
{
    int index;
    bool gap;
};

constexpr qreal boardExtent = (boardCells - 1) * boardPitch + cellSize;

std::optional<Span> spanAt(qreal position)
{
    if (position <= 0 || position > boardExtent)
        return std::nullopt;
    const int index = qCeil(position / boardPitch) - 1;
    return Span{index, position - index * boardPitch > cellSize};
}

} // namespace

void buildBoard(toolkit::ControlArray &Piece, toolkit::ControlArray &HWall,
                toolkit::ControlArray &VWall, toolkit::ControlArray &Corner)
{
    constexpr int gaps = boardCells - 1;

    // Cells, row by row. Element 0 exists already; every other element is created once, in
    // increasing index order.
    int n = -1;
    for (int i = 1; i <= boardCells; ++i) {
        for (int j = 1; j <= boardCells; ++j) {
            ++n;
            if (n > 0)
                Piece.create(n);
            showAt(Piece.element(n), (j - 1) * boardPitch, (i - 1) * boardPitch);
        }
    }

    // Wall slots: one step makes the horizontal slot below cell row i and the vertical slot right
    // of cell column i, both with index n.
    n = -1;
    for (int i = 1; i <= gaps; ++i) {
        for (int j = 1; j <= boardCells; ++j) {
            ++n;
            if (n > 0) {
                HWall.create(n);
                VWall.create(n);
            }
            showAt(HWall.element(n), (j - 1) * boardPitch, (i - 1) * boardPitch + cellSize);
            showAt(VWall.element(n), (i - 1) * boardPitch + cellSize, (j - 1) * boardPitch);
        }
    }

    // Corner posts, down one gap column before moving to the next.
    n = -1;
    for (int i = 1; i <= gaps; ++i) {
        for (int j = 1; j <= gaps; ++j) {
            ++n;
            if (n > 0)
                Corner.create(n);
            showAt(Corner.element(n), (i - 1) * boardPitch + cellSize,
                   (j - 1) * boardPitch + cellSize);
        }
    }
}

const toolkit::ControlArray &BoardArrays::of(BoardSlot::Kind kind) const
{
    switch (kind) {
    case BoardSlot::Cell:
        return cells;
    case BoardSlot::HorizontalWall:
        return hWalls;
    case BoardSlot::VerticalWall:
        return vWalls;
    case BoardSlot::Corner:
        break;
    }
    return corners;
}

// The inverse of the positions buildBoard() gives: a cell row and column, a horizontal slot under a
// row, a vertical slot right of a column, and a corner post where the two gaps cross.
std::optional<BoardSlot> boardSlotAt(QPointF point)
{
    const std::optional<Span> column = spanAt(point.x());
    const std::optional<Span> row = spanAt(point.y());
    if (!column || !row)
        return std::nullopt;
    if (column->gap && row->gap)
        return BoardSlot{BoardSlot::Corner, column->index * (boardCells - 1) + row->index};
    if (column->gap)
        return BoardSlot{BoardSlot::VerticalWall, column->index * boardCells + row->index};
    if (row->gap)
        return BoardSlot{BoardSlot::HorizontalWall, row->index * boardCells + column->index};
    return BoardSlot{BoardSlot::Cell, row->index * boardCells + column->index};
}

std::pair<int, int> cellRowAndColumn(int index)
{
    return {index / boardCells + 1, index % boardCells + 1};
}

// A horizontal slot has the index of the cell above it; a vertical slot n lies in gap column
// n / 10, on cell row n % 10.
std::pair<int, int> cellsBeside(BoardSlot::Kind wall, int index)
{
    if (wall == BoardSlot::HorizontalWall)
        return {index, index + boardCells};
    const int left = index % boardCells * boardCells + index / boardCells;
    return {left, left + 1};
}

} // namespace app
