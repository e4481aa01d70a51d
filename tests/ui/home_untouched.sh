#!/bin/sh
# SPDX-License-Identifier: MIT
# The window tests and the stress driver keep their settings, caches and data in
# folders of their own: run with a fresh HOME and no XDG folders set (as a person's
# shell would run them), they leave that HOME as empty as they found it, so a test run
# can never change a person's chart style, Precise Moon choice or anything else.
#   home_untouched.sh TEST-PROGRAM... -- STRESS-DRIVER
set -u
home="$(mktemp -d)"
trap 'rm -rf "$home"' EXIT
status=0
run() {
  env -u XDG_CONFIG_HOME -u XDG_CACHE_HOME -u XDG_DATA_HOME -u XDG_STATE_HOME \
    HOME="$home" QT_QPA_PLATFORM=offscreen "$@" >"$home.log" 2>&1
  code=$?
  if [ "$code" -ne 0 ]; then
    echo "FAIL  $* exited with $code"; tail -n 20 "$home.log"; status=1
  fi
  rm -f "$home.log"
}
stress=0
for program in "$@"; do
  if [ "$program" = "--" ]; then stress=1; continue; fi
  if [ "$stress" = 1 ]; then run "$program" 7 400; else run "$program"; fi
done
left="$(find "$home" -mindepth 1 | head -n 20)"
if [ -n "$left" ]; then
  echo "FAIL  the tests wrote into the person's home folder:"; echo "$left"; status=1
fi
exit "$status"
