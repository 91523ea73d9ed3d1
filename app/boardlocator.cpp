#include "app/boardlocator.h"

#include "app/board.h"
#include "toolkit/controlarray.h"

namespace app {

BoardLocator::BoardLocator(const toolkit::ControlArray &cells, const toolkit::ControlArray &hWalls,
                           const toolkit::ControlArray &vWalls,
                           const toolkit::ControlArray &corners)
    : m_cells(cells), m_hWalls(hWalls), m_vWalls(vWalls), m_corners(corners)
{}

toolkit::Image *BoardLocator::imageAt(QPointF point) const
{
    const std::optional<BoardSlot> slot = boardSlotAt(point);
    if (!slot)
        return nullptr;
    switch (slot->kind) {
    case BoardSlot::Cell:
        return m_cells.element(slot->index);
    case BoardSlot::HorizontalWall:
        return m_hWalls.element(slot->index);
    case BoardSlot::VerticalWall:
        return m_vWalls.element(slot->index);
    case BoardSlot::Corner:
        return m_corners.element(slot->index);
    }
    return nullptr;
}

} // namespace app
