#pragma once

#include "app/formdesign.h"

#include <QHash>
#include <QString>

class QObject;
namespace toolkit {
class ImageHost;
}

namespace app {

// Creates the controls of a design on `client`, each with its settings and picture and named
// after its row, and sets the tab order. The selectors are widgets on `client`, the images are
// windowless ones that `client` paints; a row of index 0 makes a control array with that image as
// its element 0. Nothing is connected to them yet, so loading the design reaches no handler.
// Returns the controls (selectors, lone images and control arrays) by name.
QHash<QString, QObject *> loadControls(std::span<const ControlDesign> design,
                                       toolkit::ImageHost *client);

} // namespace app
