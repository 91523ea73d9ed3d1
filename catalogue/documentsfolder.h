#pragma once

#include <QByteArray>

namespace catalogue {

// The user's documents folder, named byte for byte as the file system names it: XDG_DOCUMENTS_DIR
// from the user folder settings ($XDG_CONFIG_HOME/user-dirs.dirs, ~/.config/user-dirs.dirs without
// it), its last such line with one pair of quotes removed and a leading $HOME expanded; else
// ~/Documents. This is where Qt looks too, but Qt decodes the names as UTF-8 and loses whatever
// bytes are not; a folder whose name is in another encoding is found here all the same.
QByteArray documentsFolder();

} // namespace catalogue
