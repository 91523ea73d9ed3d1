#pragma once

class QWidget;

namespace toolkit {

// Whether a modal window now keeps the input from `widget`'s window, as Qt decides it for the mouse
// and the keyboard. Accessibility actions call straight into objects, past Qt's modality, so
// whatever they would run asks this first.
bool isBlockedByModalWindow(const QWidget &widget);

} // namespace toolkit
