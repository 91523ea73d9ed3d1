#pragma once

namespace app {

class Form1;

// Names the window's four selectors for assistive technology ("Object type", "Object variant",
// "Horizontal wall type", "Vertical wall type"). The names go on the scroll bars, which take the
// focus and so are what assistive technology reads.
void nameSelectors(const Form1 &form);

// Sets each selector's description to the picture file it now selects, e.g. "AngleL.bmp", or
// "no variants" on a disabled variant selector. Taken from the catalogues; no picture is read.
void describeSelectors(const Form1 &form);

} // namespace app
