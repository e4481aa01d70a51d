#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Puts the licence identifier on the first line of every tracked C++ source file.
#   scripts/spdx.sh           add "// SPDX-License-Identifier: MIT" where it is missing
#   scripts/spdx.sh --check   only list the files that lack it; fails when there are any
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

line='// SPDX-License-Identifier: MIT'
check=false
case "${1:-}" in
  "") ;;
  --check) check=true ;;
  *) echo "usage: scripts/spdx.sh [--check]" >&2; exit 1 ;;
esac

missing=0
while IFS= read -r -d '' file; do
  [ -f "$file" ] || continue  # tracked but deleted in the work tree
  first="$(head -n 1 -- "$file")"
  first="${first%$'\r'}"
  [ "$first" = "$line" ] && continue
  missing=$((missing + 1))
  if $check; then
    echo "no licence line: $file"
  else
    tmp="$(mktemp "$file.XXXXXX")"
    { printf '%s\n' "$line"; cat -- "$file"; } >"$tmp"
    chmod --reference="$file" "$tmp"
    mv -- "$tmp" "$file"
    echo "added: $file"
  fi
done < <(git ls-files -z -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' 'bench/*.h')

if $check; then
  if ((missing)); then
    echo "$missing file(s) lack the licence line; run scripts/spdx.sh" >&2
    exit 1
  fi
  echo "licence lines: present in every source file"
fi
