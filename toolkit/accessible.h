#pragma once

class QWidget;

namespace toolkit {

// Makes Qt describe the toolkit's controls to assistive technology: image hosts with their
// windowless images as children, and commands on a menu bar with their descriptions. Called once,
// when the application starts; the interfaces are only built when assistive technology asks.
void installAccessibleInterfaces();

// Whether a modal window now keeps the input from `widget`'s window, as Qt decides it for the mouse
// and the keyboard. Accessibility actions call straight into objects, past Qt's modality, so
// whatever they would run asks this first.
bool isBlockedByModalWindow(const QWidget &widget);

} // namespace toolkit
