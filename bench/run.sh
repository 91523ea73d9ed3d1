#!/usr/bin/env bash
# Builds the editor, the baseline window and the benchmark driver in build-bench/ (optimised, with
# debug information, as the editor ships) and prints the benchmark's table. The driver starts a
# virtual X server of its own (Xvfb), so nothing appears on the desktop; a run takes a few minutes.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-packages.sh g++ make cmake qt6-base-dev qt6-tools-dev qt6-l10n-tools fonts-dejavu-core xvfb
build=build-bench
# The benchmark links the tests' support, so testing is on; only the benchmark's targets are built.
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target tolvane-bench >/dev/null
exec "$build/bench/tolvane-bench" "$@"
