#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks the Debian package that scripts/package.sh built, as a user's machine would see it:
# its control data and contents, then an installation into a scratch root (DESTDIR) whose
# desktop entry, metainfo, manual pages and completion are validated and whose programs run.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$here/build/package"
cd "$build"

fail() {
  echo "package check failed: $*" >&2
  exit 1
}

deb="$(ls lumora_*.deb 2>/dev/null | head -n 1)"
[ -n "$deb" ] || fail "no lumora_*.deb in $build; run scripts/package.sh first"
echo "== $deb: $(du -k "$deb" | cut -f1) KiB"

# Control data: the name, and dependencies that dpkg-shlibdeps worked out next to the ones
# the programs need at run time without linking them.
control="$(dpkg-deb --field "$deb" Package Version Architecture Depends)"
echo "$control"
depends="$(dpkg-deb --field "$deb" Depends)"
[ "$(dpkg-deb --field "$deb" Package)" = lumora ] || fail "the package is not named lumora"
for needed in tzdata fonts-noto-core libqt6svg6 libqt6widgets6 libc6 libstdc++6 libnova-0.16-0 liberfa1; do
  tr ',' '\n' <<<"$depends" | awk '{print $1}' | grep -qxF "$needed" ||
    fail "Depends lacks $needed"
done

# Contents.
contents="$(dpkg-deb --contents "$deb" | awk '{print $NF}' | sed 's|^\./|/|')"
for path in \
  /usr/bin/lumora /usr/bin/lumora-cli \
  /usr/share/applications/com.example.Lumora.desktop \
  /usr/share/metainfo/com.example.Lumora.metainfo.xml \
  /usr/share/mime/packages/com.example.Lumora.xml \
  /usr/share/icons/hicolor/scalable/apps/com.example.Lumora.svg \
  /usr/share/icons/hicolor/48x48/apps/com.example.Lumora.png \
  /usr/share/icons/hicolor/128x128/apps/com.example.Lumora.png \
  /usr/share/icons/hicolor/256x256/apps/com.example.Lumora.png \
  /usr/share/man/man1/lumora-cli.1.gz /usr/share/man/man1/lumora.1.gz \
  /usr/share/bash-completion/completions/lumora-cli \
  /usr/share/lumora/help/index.html \
  /usr/share/doc/lumora/copyright /usr/share/doc/lumora/LICENSE \
  /usr/share/doc/lumora/THIRD-PARTY.md; do
  grep -qx "$path" <<<"$contents" || fail "the package lacks $path"
done
if [ -d "$here/resources/places" ]; then
  grep -q '^/usr/share/lumora/places/.' <<<"$contents" || fail "the package lacks the place data"
fi
echo "contents: $(grep -vc '/$' <<<"$contents") files, every required one present"

# Each icon has the size its folder names.
for size in 48 128 256; do
  png="$build/packaging/icons/${size}x${size}/com.example.Lumora.png"
  file "$png" | grep -q "$size x $size" || fail "$png is not $size x $size"
done

# An installation into a scratch root.
root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
DESTDIR="$root" cmake --install "$build" >/dev/null
share="$root/usr/share"

desktop-file-validate --no-hints "$share/applications/com.example.Lumora.desktop" ||
  fail "the desktop entry is not valid"
# A file manager opens both file types with the program, handing it the file.
grep -qx 'Exec=lumora %f' "$share/applications/com.example.Lumora.desktop" ||
  fail "the desktop entry does not hand the program a file"
for type in application/x-lumora-couple application/x-lumora-profile; do
  grep -q "^MimeType=.*$type;" "$share/applications/com.example.Lumora.desktop" ||
    fail "the desktop entry does not open $type"
  grep -q "<mime-type type=\"$type\">" "$share/mime/packages/com.example.Lumora.xml" ||
    fail "the shared MIME info lacks $type"
done
if command -v xmllint >/dev/null; then
  xmllint --noout "$share/mime/packages/com.example.Lumora.xml" ||
    fail "the shared MIME info is not well-formed"
fi
appstreamcli validate --no-net "$share/metainfo/com.example.Lumora.metainfo.xml" ||
  fail "the metainfo is not valid"

for page in lumora-cli lumora; do
  warnings="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l \
    "$share/man/man1/$page.1.gz" 2>&1 >/dev/null)"
  [ -z "$warnings" ] || fail "man -l warns about $page.1: $warnings"
  LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$share/man/man1/$page.1.gz" | grep -q '^EXIT STATUS\|^NAME' ||
    fail "man -l renders nothing for $page.1"
done
echo "manual pages: render without warnings"

bash -n "$share/bash-completion/completions/lumora-cli" || fail "the completion does not parse"
bash -c "source '$share/bash-completion/completions/lumora-cli' && complete -p lumora-cli" \
  >/dev/null || fail "the completion does not register for lumora-cli"

# The installed programs run from the scratch root, away from the source tree, and link
# nothing but system libraries.
cd /
for program in lumora-cli lumora; do
  missing="$(ldd "$root/usr/bin/$program" | grep 'not found' || true)"
  [ -z "$missing" ] || fail "$program lacks libraries: $missing"
  if ldd "$root/usr/bin/$program" | grep -q "$here"; then
    fail "$program links a library of the build tree"
  fi
done
version="$("$root/usr/bin/lumora-cli" --version)"
echo "installed lumora-cli --version: $version"
[[ $version == "lumora-cli "* ]] || fail "unexpected version text: $version"
echo '{"Profile":["Leo","Leo","Magha","Magha"]}' | "$root/usr/bin/lumora-cli" vedic --json |
  grep -q '"TotalPoints"' || fail "the installed lumora-cli gives no match"
# With the place data installed, the installed tool finds places in it.
if [ -d "$share/lumora/places" ] && "$root/usr/bin/lumora-cli" --help | grep -q '^  atlas '; then
  env -u LUMORA_DATA_DIR "$root/usr/bin/lumora-cli" atlas Delhi --limit 1 --json |
    grep -q '"TimeZone"' || fail "the installed lumora-cli finds no place"
  echo "installed lumora-cli atlas: finds places"
fi

# The desktop program answers --help and --version without a display.
env -u DISPLAY -u WAYLAND_DISPLAY "$root/usr/bin/lumora" --version | grep -q '^lumora ' ||
  fail "the installed lumora gives no version"
env -u DISPLAY -u WAYLAND_DISPLAY "$root/usr/bin/lumora" --help | grep -q 'FILE' ||
  fail "the installed lumora gives no help"

# The desktop program starts and keeps running until it is stopped.
status=0
QT_QPA_PLATFORM=offscreen timeout 5 "$root/usr/bin/lumora" >/dev/null 2>&1 || status=$?
[ "$status" -eq 124 ] || fail "the installed lumora ended by itself with status $status"
echo "installed lumora: starts and runs"
echo "package check: passed"
