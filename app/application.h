#pragma once

namespace app {

// What the whole application shares, set up once before the first window opens: the translations
// of its texts into the user's language, its name and desktop id, its icon, the style that keeps
// the menu bar out of a hidden keyboard mode, and the interfaces that describe the windowless
// controls to assistive technology.
void setUpApplication();

} // namespace app
