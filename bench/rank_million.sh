#!/bin/sh
# SPDX-License-Identifier: MIT
# One million candidates end to end: lumora-cli rank from a CSV file with coordinates
# and zones to JSON Lines, timed as a whole process (wall time and peak memory) by
# /usr/bin/time. Usage: bench/rank_million.sh [LUMORA-CLI] [ROWS] [THREADS]
set -eu
here="$(cd "$(dirname "$0")/.." && pwd)"
cli="${1:-$here/build/default/lumora-cli}"
rows="${2:-1000000}"
threads="${3:-2}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# Births a few hours and days apart over thirty years, in eight zones of both
# hemispheres, with summer time and without.
awk -v rows="$rows" 'BEGIN {
  split("28.61 51.51 40.71 24.86 -33.87 35.68 -23.55 52.52", lat, " ");
  split("77.21 -0.13 -74.01 67.01 151.21 139.69 -46.63 13.40", lon, " ");
  split("Asia/Kolkata Europe/London America/New_York Asia/Karachi Australia/Sydney Asia/Tokyo America/Sao_Paulo Europe/Berlin", zone, " ");
  print "Name,BirthDate,BirthTime,Latitude,Longitude,TimeZone";
  for (i = 0; i < rows; i++) {
    z = i % 8 + 1; day = (i * 37) % 10950;
    printf "Candidate %d,%04d-%02d-%02d,%02d:%02d,%s,%s,%s\n", i, 1965 + int(day / 365),
      int(day / 28) % 12 + 1, day % 28 + 1, (i * 7) % 24, (i * 13) % 60, lat[z], lon[z], zone[z];
  }
}' > "$work/candidates.csv"
printf '{"Name":"Ravi Kumar","BirthDate":"1990-05-14","BirthTime":"06:30","Latitude":28.61,"Longitude":77.21,"TimeZone":"Asia/Kolkata"}\n' > "$work/boy.json"
echo "$rows candidates, $(wc -c < "$work/candidates.csv") bytes of CSV, $threads threads"
/usr/bin/time -f "%e s wall, %U s user, %S s system, peak %M KiB" \
  "$cli" rank --boy "$work/boy.json" --candidates "$work/candidates.csv" --json \
  --threads "$threads" > "$work/ranked.jsonl"
echo "$(wc -l < "$work/ranked.jsonl") lines, $(wc -c < "$work/ranked.jsonl") bytes of JSON Lines"
