#include "app/form1.h"

#include <QCoreApplication>

namespace app {

namespace {

using catalogue::cellSide;

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
            showAt(HWall.element(n), (j - 1) * boardPitch, (i - 1) * boardPitch + cellSide);
            showAt(VWall.element(n), (i - 1) * boardPitch + cellSide, (j - 1) * boardPitch);
        }
    }

    // Corner posts, down one gap column before moving to the next.
    n = -1;
    for (int i = 1; i <= gaps; ++i) {
        for (int j = 1; j <= gaps; ++j) {
            ++n;
            if (n > 0)
                Corner.create(n);
            showAt(Corner.element(n), (i - 1) * boardPitch + cellSide,
                   (j - 1) * boardPitch + cellSide);
        }
    }
}

// A cell's row and column count from 1. A horizontal slot has the index of the cell above it; a
// vertical slot n lies in gap column n / 10, on cell row n % 10.
QString boardPlaceName(catalogue::Place place, int index, const QString &pictureFile)
{
    const QString shown = !pictureFile.isEmpty() ? pictureFile
                          : place == catalogue::Cell
                              ? QCoreApplication::translate("ImageNames", "empty", "a cell")
                              : QCoreApplication::translate("ImageNames", "empty", "a wall slot");
    if (place == catalogue::Cell) {
        //: %4 is the picture file the cell shows ("AngleL.bmp"), or "empty".
        return QCoreApplication::translate("ImageNames", "Cell %1, row %2, column %3: %4")
            .arg(index)
            .arg(index / boardCells + 1)
            .arg(index % boardCells + 1)
            .arg(shown);
    }
    const bool horizontal = place == catalogue::HorizontalWall;
    const int first = horizontal ? index : index % boardCells * boardCells + index / boardCells;
    const int second = horizontal ? index + boardCells : first + 1;
    //: %4 is the picture file the wall slot shows ("WallH.bmp"), or "empty".
    return (horizontal ? QCoreApplication::translate(
                             "ImageNames", "Horizontal wall slot %1, between cells %2 and %3: %4")
                       : QCoreApplication::translate(
                             "ImageNames", "Vertical wall slot %1, between cells %2 and %3: %4"))
        .arg(index)
        .arg(first)
        .arg(second)
        .arg(shown);
}

} // namespace app
