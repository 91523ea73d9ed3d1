#pragma once

#include <QString>

namespace catalogue {

// Which slots a wall picture fills: horizontal ones (below a cell) or vertical ones (beside it).
enum class Orientation
{
    Horizontal,
    Vertical
};

// How many wall types there are; they are numbered from 1.
int wallTypeCount();

// The file that wall type `type` designates for slots of `orientation`, such as "WallH.bmp" for
// (2, Horizontal). Empty for a number that is no type.
QString wallFile(int type, Orientation orientation);

} // namespace catalogue
