#!/usr/bin/env bash
# Installs the Debian packages that building and running (and, with "test", testing) Tolvane
# needs, where they are missing, then configures and builds.
#
#   tools/setup.sh run [TARGET...]   a Release build without the tests into build-run/, of the
#                                    targets named (the editor, tolvane, when none is)
#   tools/setup.sh test              everything into build/, tests and the design-picture tool
#                                    included
#
# The two build folders are apart so that neither configuration ever undoes the other. build-run/
# is built by Ninja, which finds an up-to-date tree up to date in some hundredths of a second where
# make takes most of one, and configured only when it has not been (CMake configures again by
# itself when a CMakeLists.txt has changed), so a second start costs little before the window.
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-}
case $mode in
run | test) shift ;;
*)
    echo "usage: tools/setup.sh run [TARGET...] | tools/setup.sh test" >&2
    exit 2
    ;;
esac

# qt6-wayland lets the editor run natively in a Wayland session; qt6-tools-dev (CMake's Linguist
# tools) and qt6-l10n-tools (lrelease, lupdate) compile the translations; qt6-translations-l10n
# holds Qt's own texts (the report's buttons) in other languages. The names are the same in
# Debian 12 and Debian 13.
packages=(g++ make cmake qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-wayland fonts-dejavu-core
    qt6-translations-l10n)
if [ "$mode" = test ]; then
    packages+=(xvfb xdotool dbus-daemon at-spi2-core)
else
    packages+=(ninja-build)
fi
tools/install-packages.sh "${packages[@]}"

if [ "$mode" = test ]; then
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOLVANE_TOOLS=ON
    cmake --build build -j"$(nproc)"
else
    # The build file is written last, so a configuration that failed halfway is done again.
    if [ ! -f build-run/build.ninja ]; then
        cmake -S . -B build-run -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
    fi
    [ $# -gt 0 ] || set -- tolvane
    cmake --build build-run -j"$(nproc)" --target "$@"
fi
