#pragma once

#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QSize>
#include <algorithm>
#include <iterator>

// Where the editor's window is expected to put its controls, in pixels of its client area (the
// area below the menu bar). This is the tests' own statement of the layout, written down apart from
// the design table under test; the tests and the benchmark read it from here. Header only, so that
// the benchmark's bare baseline window can use it without linking anything.
namespace layout {

inline constexpr QSize clientArea(492, 493);

// The board: 10 × 10 cells of 32 pixels, a row or column every 42 pixels, with wall slots and
// corner posts 10 pixels deep between them.
inline constexpr int boardCells = 10;
inline constexpr int pitch = 42;
inline constexpr int cellSide = 32;
inline constexpr int slotDepth = 10;
inline constexpr QRect board(0, 0, (boardCells - 1) * pitch + cellSide,
                             (boardCells - 1) * pitch + cellSide);

// The palette.
inline constexpr QRect objScrollV(474, 410, 17, 64);
inline constexpr QRect objScrollH(410, 474, 64, 17);
inline constexpr QRect wallScrollH(0, 474, 64, 17);
inline constexpr QRect wallScrollV(474, 0, 17, 64);
inline constexpr QRect objSample(410, 410, 64, 64);
inline constexpr QRect wallSampleH(0, 454, 64, 20);
inline constexpr QRect wallSampleV(454, 0, 20, 64);
inline constexpr QRect palette[] = {objScrollV, objScrollH,  wallScrollH, wallScrollV,
                                    objSample,  wallSampleH, wallSampleV};

// A point where a click falls on nothing but the window's background.
inline constexpr QPoint background(440, 300);

// The colours the design paints: the background, and the design-time pictures of the cells, the
// wall slots and the wall samples.
inline constexpr QRgb cyan = qRgb(0, 255, 255);
inline constexpr QRgb white = qRgb(255, 255, 255);

// The board's four control arrays.
enum class Family
{
    Cell,
    HorizontalSlot,
    VerticalSlot,
    CornerPost
};

struct FamilyLayout
{
    Family family;
    const char *array; // the control array's design name
    int count;
    QSize size;
};

inline constexpr FamilyLayout families[] = {
    {Family::Cell, "Piece", boardCells *boardCells, {cellSide, cellSide}},
    {Family::HorizontalSlot, "HWall", (boardCells - 1) * boardCells, {cellSide, slotDepth}},
    {Family::VerticalSlot, "VWall", (boardCells - 1) * boardCells, {slotDepth, cellSide}},
    {Family::CornerPost, "Corner", (boardCells - 1) * (boardCells - 1), {slotDepth, slotDepth}},
};

constexpr const FamilyLayout &familyLayout(Family family)
{
    return families[static_cast<int>(family)];
}

constexpr int elementCount(Family family)
{
    return familyLayout(family).count;
}

// The element of a family at a place of the grid: a cell in `column` and `row`, the slot right of
// or below that cell, or the post at the cell's bottom-right corner.
constexpr QRect elementAt(Family family, int column, int row)
{
    const bool right = family == Family::VerticalSlot || family == Family::CornerPost;
    const bool below = family == Family::HorizontalSlot || family == Family::CornerPost;
    return {QPoint(pitch * column + (right ? cellSide : 0), pitch * row + (below ? cellSide : 0)),
            familyLayout(family).size};
}

// Element `n` of a family: cells and horizontal slots are numbered row by row, vertical slots and
// corner posts column by column.
constexpr QRect elementRect(Family family, int n)
{
    switch (family) {
    case Family::Cell:
    case Family::HorizontalSlot:
        return elementAt(family, n % boardCells, n / boardCells);
    case Family::VerticalSlot:
        return elementAt(family, n / boardCells, n % boardCells);
    case Family::CornerPost:
        return elementAt(family, n / (boardCells - 1), n % (boardCells - 1));
    }
    return {};
}

struct Control
{
    const char *name;
    QRect rect;
};

// Every control of the design where it lies, element 0 for a control array, in the design's order.
inline constexpr Control controls[] = {
    {"ObjScrollV", objScrollV},
    {"ObjScrollH", objScrollH},
    {"WallScrollH", wallScrollH},
    {"WallScrollV", wallScrollV},
    {"Corner", elementRect(Family::CornerPost, 0)},
    {"VWall", elementRect(Family::VerticalSlot, 0)},
    {"HWall", elementRect(Family::HorizontalSlot, 0)},
    {"ObjSample", objSample},
    {"WallSampleH", wallSampleH},
    {"WallSampleV", wallSampleV},
    {"Piece", elementRect(Family::Cell, 0)},
};

// Whether a control covers the point: the board or a palette control.
inline bool covered(QPoint point)
{
    return board.contains(point) ||
           std::any_of(std::begin(palette), std::end(palette),
                       [point](QRect rect) { return rect.contains(point); });
}

} // namespace layout
