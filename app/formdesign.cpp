#include "app/formdesign.h"

namespace app {

namespace {

using enum ControlKind;

constexpr toolkit::Selector::StartState noRange{}; // the toolkit's defaults: 0..32767 at 0
constexpr toolkit::Selector::StartState objectTypes{1, 67, 1, true};
constexpr toolkit::Selector::StartState wallTypes{1, 5, 1, true};
constexpr toolkit::Selector::StartState disabledVariants{noRange.min, noRange.max, noRange.value,
                                                         false};

constexpr int noTab = -1;

constexpr WindowDesign window{
    "Form1",           "Tolvane v1.1",         7380,       7395,
    qRgb(0, 255, 255), ":/assets/tolvane.png", "mnuClear", "Clear Maze",
};

// clang-format off
constexpr ControlDesign controls[] = {
    // name          kind                index left  top   width height selector         tab    picture                    visible
    {"ObjScrollV",  VerticalSelector,   -1, 7110, 6150, 255,  960,  disabledVariants, 3,     nullptr,                   true},
    {"ObjScrollH",  HorizontalSelector, -1, 6150, 7110, 960,  255,  objectTypes,      2,     nullptr,                   true},
    {"WallScrollH", HorizontalSelector, -1, 0,    7110, 960,  255,  wallTypes,        1,     nullptr,                   true},
    {"WallScrollV", VerticalSelector,   -1, 7110, 0,    255,  960,  wallTypes,        0,     nullptr,                   true},
    {"Corner",      Image,              0,  480,  480,  150,  150,  {},               noTab, ":/assets/corner.bmp",     true},
    {"VWall",       Image,              0,  480,  0,    150,  480,  {},               noTab, ":/assets/vwall.bmp",      true},
    {"HWall",       Image,              0,  0,    480,  480,  150,  {},               noTab, ":/assets/hwall.bmp",      true},
    {"ObjSample",   StretchImage,       -1, 6150, 6150, 960,  960,  {},               noTab, ":/assets/objsample.bmp",  true},
    {"WallSampleH", StretchImage,       -1, 0,    6810, 960,  300,  {},               noTab, ":/assets/hwall.bmp",      true},
    {"WallSampleV", StretchImage,       -1, 6810, 0,    300,  960,  {},               noTab, ":/assets/vwall.bmp",      true},
    {"Piece",       Image,              0,  0,    0,    480,  480,  {},               noTab, ":/assets/cell.bmp",       false},
};
// clang-format on

} // namespace

const WindowDesign &form1Window()
{
    return window;
}

std::span<const ControlDesign> form1Controls()
{
    return controls;
}

} // namespace app
