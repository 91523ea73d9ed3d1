#!/usr/bin/env bash
# Installs what is missing, builds, and opens the editor.
set -euo pipefail
cd "$(dirname "$0")"
tools/setup.sh run
exec build/app/tolvane
