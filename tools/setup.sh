#!/usr/bin/env bash
# Installs the Debian packages that building and running (and, with "test", testing) Tolvane
# needs, where they are missing, then configures and builds into build/: with "run" only the
# editor and the tile tool, with "test" everything, the design-picture tool included.
set -euo pipefail
cd "$(dirname "$0")/.."

# qt6-wayland lets the editor run natively in a Wayland session; qt6-tools-dev (CMake's Linguist
# tools) and qt6-l10n-tools (lrelease, lupdate) compile the translations; qt6-translations-l10n
# holds Qt's own texts (the report's buttons) in other languages.
packages=(g++ make cmake qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-wayland fonts-dejavu-core
    qt6-translations-l10n)
if [ "${1:-}" = test ]; then
    packages+=(xvfb xdotool dbus-daemon at-spi2-core)
fi
tools/install-packages.sh "${packages[@]}"

if [ "${1:-}" = test ]; then
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOLVANE_TOOLS=ON
    cmake --build build -j"$(nproc)"
else
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build build -j"$(nproc)" --target tolvane tolvane-tiles
fi
