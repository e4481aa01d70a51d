#!/usr/bin/env bash
# Shared set-up for run.sh, test.sh and CI: installs what a fresh Debian or Ubuntu
# machine lacks, then configures and builds the given CMake preset incrementally.
#   scripts/setup.sh [PRESET]        (default preset: "default")
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
preset="${1:-default}"

packages=(
  g++ cmake make pkg-config ccache
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libcli11-dev nlohmann-json3-dev
  # the documents' fonts: Latin, and Devanagari and Tamil with their shaping tables
  fonts-dejavu-core fonts-noto-core clang-format
  libhowardhinnant-date-dev tzdata iso-codes poppler-utils
  # the precise ephemeris: VSOP87 planets and Pluto (libnova), precession, nutation and
  # sidereal time (ERFA)
  libnova-dev liberfa-dev
  clang libclang-rt-14-dev
  # the icon sizes, the Debian package and its checks
  librsvg2-bin dpkg-dev file desktop-file-utils appstream man-db
  # the forms as a screen reader hears them (tests/ui/atspi)
  xvfb dbus-daemon at-spi2-core python3-pyatspi xdotool
)

missing_packages() {
  local p
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || echo "$p"
  done
}

if command -v dpkg-query >/dev/null 2>&1 && command -v apt-get >/dev/null 2>&1; then
  mapfile -t missing < <(missing_packages)
  if ((${#missing[@]})); then
    echo "== installing: ${missing[*]}"
    sudo_cmd=()
    if [ "$(id -u)" -ne 0 ]; then
      if command -v sudo >/dev/null 2>&1; then sudo_cmd=(sudo); else
        echo "Please install as root: apt-get install ${missing[*]}" >&2; exit 1
      fi
    fi
    export DEBIAN_FRONTEND=noninteractive
    "${sudo_cmd[@]}" apt-get update -qq
    "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  fi
else
  cat >&2 <<MSG
This system has no apt-get. Please install: a C++20 compiler (GCC 12 or newer), CMake 3.25,
Qt 6 (Widgets, PrintSupport, Svg, Test), GoogleTest, Google Benchmark (optional), CLI11,
nlohmann-json and clang-format; then run this script again.
MSG
  command -v cmake >/dev/null 2>&1 || exit 1
fi

cd "$here"
if [ ! -f "build/$preset/CMakeCache.txt" ]; then
  extra=()
  # Continuous integration treats every warning as an error.
  if [ "${CI:-}" = "true" ]; then extra+=(-DLUMORA_WERROR=ON); fi
  cmake --preset "$preset" "${extra[@]}" >/dev/null
fi
cmake --build --preset "$preset" -j "$(nproc)"
