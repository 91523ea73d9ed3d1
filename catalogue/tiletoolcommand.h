#pragma once

#include <QString>

namespace catalogue {

// The command that runs the tile tool, as the user can type it where the running program lies:
// "tolvane-tiles" when the one beside the program (installed) or in its build tree (built from
// the sources) is the one the search path finds, else that tool's full path, quoted for the shell
// where it needs to be. Plain "tolvane-tiles" when neither is there.
QString tileToolCommand();

} // namespace catalogue
