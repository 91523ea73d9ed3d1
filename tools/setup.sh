#!/usr/bin/env bash
# Installs the Debian packages that building (and, with "test", testing) Tolvane needs, where they
# are missing, then configures and builds into build/.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(g++ make cmake qt6-base-dev fonts-dejavu-core)
if [ "${1:-}" = test ]; then
    packages+=(xvfb xdotool dbus-daemon at-spi2-core)
fi
tools/install-packages.sh "${packages[@]}"

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
