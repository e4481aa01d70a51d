#!/usr/bin/env bash
# Drives the windows with random clicks, keys, pastes and window closes, offscreen.
#   scripts/gui_stress.sh [SEED] [EVENTS]     (defaults: seed 1, 5000 events)
# The same seed replays the same run. Exit status 3 is a hang, 4 a program ending that
# no Exit or close of the main window explains.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$here/scripts/setup.sh" default >/dev/null
QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" "$here/build/default/tests/lumora_gui_stress" "${1:-1}" "${2:-5000}"
