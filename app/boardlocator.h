#pragma once

#include "app/board.h"
#include "toolkit/imagelocator.h"

namespace app {

// Finds the board element at a point of the client area by the board's arithmetic: the cell, wall
// slot or corner post whose place holds it.
class BoardLocator : public toolkit::ImageLocator
{
public:
    explicit BoardLocator(BoardArrays board);

    toolkit::Image *imageAt(QPointF point) const override;

private:
    BoardArrays m_board;
};

} // namespace app
