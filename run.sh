#!/usr/bin/env bash
# Installs what is missing, builds the editor, gives a new user the sample tiles, and opens it.
set -euo pipefail
cd "$(dirname "$0")"
tools/setup.sh run
# Only when the picture folder does not exist yet; an existing one is never touched.
tools/install-tiles.sh ||
    echo "Could not install the sample tiles; the editor opens all the same." >&2
exec build/app/tolvane
