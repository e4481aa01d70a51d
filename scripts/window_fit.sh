#!/usr/bin/env bash
# Checks that every window fits a 1366x768 screen with its title bar and buttons in
# view: the window tour runs on a virtual X screen, with a window manager's frames
# (openbox) and without, at scale 1 and at scale 2 on a screen of twice the pixels
# (the same 1366x768 in device-independent pixels). Pictures of the whole screen at each step
# go to SHOT_FOLDER/<wm>-<scale>/, and the frames the window manager drew are listed
# with xwininfo.
#   scripts/window_fit.sh [SHOT_FOLDER]      (default: /tmp/lumora-window-fit)
# Needs xvfb (xvfb-run), openbox and x11-utils; exit status 1 when a window does not fit.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
shots="${1:-/tmp/lumora-window-fit}"
tour="$here/build/default/tests/lumora_window_tour"
cmake --build "$here/build/default" -j2 --target lumora_window_tour >/dev/null
for tool in xvfb-run openbox xwininfo; do
  command -v "$tool" >/dev/null || { echo "window_fit: $tool is missing" >&2; exit 2; }
done

# One run on a fresh virtual screen: $1 "openbox" or "none", $2 the scale factor.
run() {
  local wm="$1" scale="$2" folder="$shots/$1-$2"
  local size="$((1366 * scale))x$((768 * scale))"
  mkdir -p "$folder"
  QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$scale" xvfb-run -a -s "-screen 0 ${size}x24" \
    bash -c '
      if [ "$1" = openbox ]; then
        openbox >/dev/null 2>&1 & wm=$!
        sleep 1
      fi
      # The frames as the window manager drew them, a little after the tour began.
      (sleep 4; xwininfo -root -tree | grep -E "\"Lumo" > "$3/frames.txt" || true) &
      status=0
      "$2" "$3" || status=$?
      [ -n "${wm:-}" ] && kill "$wm"
      exit "$status"
    ' _ "$wm" "$tour" "$folder"
}

status=0
for wm in openbox none; do
  for scale in 1 2; do
    echo "== window manager: $wm, scale $scale"
    run "$wm" "$scale" || status=1
  done
done
exit "$status"
