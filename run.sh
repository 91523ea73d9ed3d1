#!/usr/bin/env bash
# Installs what is missing, builds the editor alone (into build-run/, without the tests), gives a
# new user the sample tiles, and opens it. The tile tool is built when first asked for, by
# tools/tolvane-tiles.
set -euo pipefail
cd "$(dirname "$0")"
tools/setup.sh run tolvane
editor=build-run/app/tolvane
# Only when the picture folder, as the editor names it, does not exist yet; an existing one is
# never touched.
tools/install-tiles.sh "$editor" ||
    echo "Could not install the sample tiles; the editor opens all the same." >&2
exec "$editor"
