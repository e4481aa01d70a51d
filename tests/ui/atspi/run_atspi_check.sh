#!/bin/sh
# SPDX-License-Identifier: MIT
# Runs atspi_check.py against the given lumora executable on a private X server (Xvfb)
# and a private D-Bus session with its accessibility bus. Exits 77 (skipped) when Xvfb,
# dbus-run-session, xdotool or the Python AT-SPI bindings (python3-pyatspi) are missing.
#   run_atspi_check.sh PATH/TO/lumora
set -u
here=$(cd "$(dirname "$0")" && pwd)
exe=$1

for tool in Xvfb dbus-run-session xdotool; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "skipped: $tool is not installed"
    exit 77
  fi
done
# The bindings come with the system's Python, which a virtual environment may hide.
python=
for candidate in /usr/bin/python3 python3; do
  if "$candidate" -c 'import pyatspi' >/dev/null 2>&1; then
    python=$candidate
    break
  fi
done
if [ -z "$python" ]; then
  echo "skipped: python3-pyatspi is not installed"
  exit 77
fi

work=$(mktemp -d)
# -noreset: the check starts the program several times, and a server that resets when its
# last client leaves refuses the next one that connects meanwhile ("could not connect").
Xvfb -displayfd 3 -screen 0 1366x768x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
cleanup() {
  kill "$xvfb" 2>/dev/null
  wait "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT INT TERM
tries=0
while [ ! -s "$work/display" ] && [ "$tries" -lt 300 ]; do
  sleep 0.1
  tries=$((tries + 1))
done
if [ ! -s "$work/display" ]; then
  echo "Xvfb did not start:"
  cat "$work/xvfb.log"
  exit 1
fi

# The display number is written once the server listens; wait until it answers too (a
# loaded machine may take a while), and say so if the server went away meanwhile.
display=":$(cat "$work/display")"
tries=0
until DISPLAY="$display" xdotool getdisplaygeometry >/dev/null 2>&1; do
  if ! kill -0 "$xvfb" 2>/dev/null || [ "$tries" -ge 150 ]; then
    echo "Xvfb on $display does not answer:"
    cat "$work/xvfb.log"
    exit 1
  fi
  sleep 0.2
  tries=$((tries + 1))
done

mkdir -p "$work/home" "$work/config" "$work/runtime"
chmod 700 "$work/runtime"
# A home of its own, so that the program's remembered settings are the defaults.
DISPLAY="$display" HOME="$work/home" XDG_CONFIG_HOME="$work/config" \
  XDG_RUNTIME_DIR="$work/runtime" \
  dbus-run-session -- "$python" "$here/atspi_check.py" "$exe" 2>"$work/stderr"
status=$?
if [ "$status" -ne 0 ]; then
  grep -v -e 'fd limit' -e 'Activating service' -e 'Successfully activated' "$work/stderr"
fi
exit "$status"
