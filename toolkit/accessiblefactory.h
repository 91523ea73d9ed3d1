#pragma once

namespace toolkit {

// Makes Qt describe the toolkit's controls to assistive technology: image hosts with their
// windowless images as children, and commands on a menu bar with their descriptions. Called once,
// when the application starts; the interfaces are only built when assistive technology asks.
void installAccessibleInterfaces();

} // namespace toolkit
