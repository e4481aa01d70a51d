#!/usr/bin/env bash
# Builds everything (installing missing packages) and runs every test: core, cli and ui.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$here/scripts/setup.sh" default
cd "$here"
export QT_QPA_PLATFORM=offscreen
ctest --preset default -j "$(nproc)" "$@"
