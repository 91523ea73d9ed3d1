#!/usr/bin/env bash
# Installs the sample tile set into the editor's picture folder when that folder does not exist
# yet, so that a new user's editor has every picture it asks for. An existing folder is left
# exactly as it is, whatever it holds: nothing is added to it, overwritten or deleted.
#
#   tools/install-tiles.sh [TOLVANE-TILES]    (default: build/tools/tiles/tolvane-tiles)
set -euo pipefail

generator=${1:-"$(dirname "$0")/../build/tools/tiles/tolvane-tiles"}

# Asked of the generator, so that the folder is the one the editor's own loader reads.
folder=$("$generator" --print-folder)

if [ -e "$folder" ] || [ -L "$folder" ]; then
    exit 0
fi
echo "Installing the sample tiles into $folder"
"$generator"
