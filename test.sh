#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test; then runs the long session and the
# picture and editing tests again in a sanitizer build (build-asan/).
set -euo pipefail
cd "$(dirname "$0")"
tools/setup.sh test
ctest --test-dir build --output-on-failure -j"$(nproc)"
tools/sanitize.sh
