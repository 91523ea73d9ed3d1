#pragma once

#include <QtGlobal>

namespace toolkit {
class Image;
class Selector;
} // namespace toolkit

namespace catalogue {

class PictureLoader;

// The selection kinds: which catalogue a call of objectChange() picks its picture from.
enum SelectionKind : qint16
{
    ObjectKind = 1,
    HorizontalWallKind = 2,
    VerticalWallKind = 3
};

// Puts the picture that the selectors designate into `object`.
// Kind 1: `object2` is the object type selector and `object3` the variant selector, which is first
// brought into line with the type (range, enabled state and, where needed, value). Writing its
// value raises its change handler at once, which may run this routine again, nested.
// Kinds 2 and 3: `object2` is the wall selector; `object3` is not used and may be null.
// Any other kind, or a selector value with no catalogue entry, changes nothing. A picture that
// cannot be loaded ends the routine at that step with PictureLoadError; `object` keeps its picture.
void objectChange(const PictureLoader &loader, toolkit::Image *object, toolkit::Selector *object2,
                  toolkit::Selector *object3, qint16 statement);

} // namespace catalogue
