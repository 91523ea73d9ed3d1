#pragma once

#include "toolkit/selector.h"

#include <QRect>
#include <QRgb>
#include <span>

namespace app {

// The window's design, stored as a form designer stores it: every position and size in twips,
// 15 to the pixel at the window's scale.
inline constexpr int twipsPerPixel = 15;

constexpr int pixels(int twips)
{
    return twips / twipsPerPixel;
}

enum class ControlKind
{
    HorizontalSelector,
    VerticalSelector,
    Image,
    StretchImage
};

// One control of the design. `index` is 0 for element 0 of a control array and -1 for a control
// that stands alone. Selector settings and the tab index apply to selectors, the picture (a
// resource) and visibility to images.
struct ControlDesign
{
    const char *name;
    ControlKind kind;
    int index;
    int left, top, width, height; // twips
    toolkit::Selector::StartState selector;
    int tabIndex;
    const char *picture;
    bool visible;

    QRect rect() const { return {pixels(left), pixels(top), pixels(width), pixels(height)}; }
};

struct WindowDesign
{
    const char *name;
    const char *caption;
    int clientWidth, clientHeight; // twips
    QRgb background;
    const char *icon;
    const char *menuName;
    const char *menuCaption;
};

const WindowDesign &form1Window();
// The controls in the order the design lists them.
std::span<const ControlDesign> form1Controls();

} // namespace app
