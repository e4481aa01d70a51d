#!/usr/bin/env bash
# Builds what is needed (installing missing packages) and starts Lumora.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$here/scripts/setup.sh" default
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  cat <<MSG
No display is available, so the windows cannot be shown here.
  - With a virtual X server:  xvfb-run -a $here/build/default/lumora
    (install it with: apt-get install xvfb xauth)
  - Without any window, use the command-line tool, for example:
      $here/build/default/lumora-cli --help
      echo '{"BirthYear":1947,"BirthMonth":8,"BirthDay":15,"ZoneHour":5,"ZoneMinute":30,"IsEast":true}' \\
        | $here/build/default/lumora-cli moon
MSG
  exit 1
fi
exec "$here/build/default/lumora" "$@"
