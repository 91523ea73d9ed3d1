#pragma once

namespace toolkit {
class Selector;
}

namespace app {

// Names the window's four selectors for assistive technology ("Object type", "Object variant",
// "Horizontal wall type", "Vertical wall type"). The names go on the scroll bars, which take the
// focus and so are what assistive technology reads.
void nameSelectors(toolkit::Selector &types, toolkit::Selector &variants,
                   toolkit::Selector &horizontalWalls, toolkit::Selector &verticalWalls);

// Describes each selector by the picture file it now selects, e.g. "AngleL.bmp", or "no variants"
// on a disabled variant selector. Taken from the catalogues; no picture is read.
void describeSelectors(const toolkit::Selector &types, const toolkit::Selector &variants,
                       const toolkit::Selector &horizontalWalls,
                       const toolkit::Selector &verticalWalls);

} // namespace app
