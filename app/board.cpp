#include "app/board.h"

#include "toolkit/controlarray.h"
#include "toolkit/image.h"

namespace app {

namespace {

void showAt(toolkit::Image *element, int left, int top)
{
    element->setVisible(true);
    element->setLeft(static_cast<float>(left));
    element->setTop(static_cast<float>(top));
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

} // namespace app
