#pragma once

namespace app {

class Form1;

// Names the window's four selectors for assistive technology ("Object type", "Object variant",
// "Horizontal wall type", "Vertical wall type"). The names go on the scroll bars, which take the
// focus and so are what assistive technology reads.
void nameSelectors(const Form1 &form);

// Describes each selector by the picture file it now selects, e.g. "AngleL.bmp", or "no variants"
// on a disabled variant selector, and again after every change of a selector, once its handler has
// run (so connect the handlers first): a change of the object type moves the variant selector too.
// Taken from the catalogues; no picture is read.
void keepSelectorsDescribed(Form1 &form);

} // namespace app
