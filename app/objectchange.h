#pragma once

#include <QtGlobal>

namespace app {

// The selection kinds: which catalogue a call of Form1::objectChange() picks its picture from.
enum SelectionKind : qint16
{
    ObjectKind = 1,
    HorizontalWallKind = 2,
    VerticalWallKind = 3
};

} // namespace app
