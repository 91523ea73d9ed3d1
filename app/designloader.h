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
// windowless ones that `client` paints. Nothing is connected to them yet, so loading the design
// reaches no handler. Returns the controls by name.
QHash<QString, QObject *> loadControls(std::span<const ControlDesign> design,
                                       toolkit::ImageHost *client);

} // namespace app
