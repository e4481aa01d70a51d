#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package of Lumora: a Release build of both programs (installing what
# the machine lacks), then CPack. The package is left in the top folder of the project:
#   scripts/package.sh && sudo apt install ./lumora_*.deb
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

"$here/scripts/setup.sh" package
cd "$here/build/package"
rm -f lumora_*.deb
cpack -G DEB
deb="$(ls lumora_*.deb)"
cp -f "$deb" "$here/"
echo "== package: $here/$deb"
