#include "app/boardlocator.h"

#include "toolkit/controlarray.h"

namespace app {

BoardLocator::BoardLocator(BoardArrays board) : m_board(board) {}

toolkit::Image *BoardLocator::imageAt(QPointF point) const
{
    const std::optional<BoardSlot> slot = boardSlotAt(point);
    return slot ? m_board.of(slot->kind).element(slot->index) : nullptr;
}

} // namespace app
