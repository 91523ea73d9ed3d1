#!/usr/bin/env bash
# Installs the Debian packages that building (and, with "test", testing) Tolvane needs, where they
# are missing, then configures and builds into build/. As root it runs apt-get itself; otherwise it
# prints the one apt-get line to run and stops.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(g++ make cmake qt6-base-dev fonts-dejavu-core)
if [ "${1:-}" = test ]; then
    packages+=(xvfb xdotool)
fi

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$package")
done

if [ ${#missing[@]} -gt 0 ]; then
    if [ "$(id -u)" -ne 0 ]; then
        echo "Tolvane needs these packages; install them with:"
        echo "  sudo apt-get update && sudo apt-get install -y --no-install-recommends ${missing[*]}"
        exit 1
    fi
    echo "Installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q
    apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
