#pragma once

#include "app/formdesign.h"

#include <QHash>
#include <QString>

class QWidget;

namespace app {

// Creates the controls of a design on `client`, each with its settings and picture and named
// after its row, and sets the tab order. No change handler is attached, so loading the design
// raises no event. Returns the controls by name.
QHash<QString, QWidget *> loadControls(std::span<const ControlDesign> design, QWidget *client);

} // namespace app
