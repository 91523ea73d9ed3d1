#pragma once

namespace toolkit {

// Makes Qt describe the toolkit's controls to assistive technology: image hosts with their
// windowless images as children, and commands on a menu bar with their descriptions. Done once;
// the interfaces are only built when assistive technology asks for them.
void installAccessibleInterfaces();

} // namespace toolkit
