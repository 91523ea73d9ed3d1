#pragma once

#include "toolkit/imagelocator.h"

namespace toolkit {
class ControlArray;
}

namespace app {

// Finds the board element at a point of the client area by the board's arithmetic: the cell, wall
// slot or corner post whose place holds it.
class BoardLocator : public toolkit::ImageLocator
{
public:
    BoardLocator(const toolkit::ControlArray &cells, const toolkit::ControlArray &hWalls,
                 const toolkit::ControlArray &vWalls, const toolkit::ControlArray &corners);

    toolkit::Image *imageAt(QPointF point) const override;

private:
    const toolkit::ControlArray &m_cells;
    const toolkit::ControlArray &m_hWalls;
    const toolkit::ControlArray &m_vWalls;
    const toolkit::ControlArray &m_corners;
};

} // namespace app
