#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Writes src/core/nfc_data.cpp: the Unicode Character Database's canonical decompositions,
primary composites and canonical combining classes, as the tables of the NFC composer
(src/core/nfc.cpp). Read from Python's unicodedata module, which carries UnicodeData.txt
and CompositionExclusions.txt of the Unicode version it names. Hangul syllables are left
out: the composer computes them (Unicode 15, section 3.12).

Usage: scripts/make_nfc_table.py > src/core/nfc_data.cpp
"""
import sys
import unicodedata

HANGUL_FIRST, HANGUL_LAST = 0xAC00, 0xD7A3


def canonical(cp):
    d = unicodedata.decomposition(chr(cp))
    if not d or d.startswith("<"):
        return None
    return [int(x, 16) for x in d.split()]


def main():
    decompositions, compositions, classes = [], [], []
    for cp in range(0x110000):
        if 0xD800 <= cp <= 0xDFFF or HANGUL_FIRST <= cp <= HANGUL_LAST:
            continue
        c = chr(cp)
        cc = unicodedata.combining(c)
        if cc:
            classes.append((cp, cc))
        d = canonical(cp)
        if d is None:
            continue
        decompositions.append((cp, d[0], d[1] if len(d) > 1 else 0))
        # A primary composite: two code points, the first a starter, not excluded from
        # composition (NFC keeps the character).
        if len(d) == 2 and unicodedata.combining(chr(d[0])) == 0 and \
                unicodedata.normalize("NFC", c) == c:
            compositions.append((d[0], d[1], cp))
    compositions.sort()
    ranges = []
    for cp, cc in classes:
        if ranges and ranges[-1][1] == cp - 1 and ranges[-1][2] == cc:
            ranges[-1][1] = cp
        else:
            ranges.append([cp, cp, cc])

    out = sys.stdout
    version = unicodedata.unidata_version
    out.write("// SPDX-License-Identifier: MIT\n")
    out.write("#include \"core/nfc_table.h\"\n\nnamespace lumora {\n\n")
    out.write(f"// Unicode {version} Character Database (UnicodeData.txt, CompositionExclusions.txt),\n")
    out.write("// written by scripts/make_nfc_table.py; Hangul syllables are computed, not listed.\n\n")
    out.write("// Canonical combining classes other than 0, as runs of code points. Sorted.\n")
    out.write("constinit const CombiningClassRun kCombiningClassTable[] = {\n")
    for first, last, cc in ranges:
        out.write(f"    {{0x{first:04X}, 0x{last:04X}, {cc}}},\n")
    out.write("};\n\n")
    out.write("// Canonical decompositions: a code point to one or two (Second 0 for one). Sorted.\n")
    out.write("constinit const Decomposition kDecompositionTable[] = {\n")
    for cp, a, b in decompositions:
        out.write(f"    {{0x{cp:04X}, 0x{a:04X}, 0x{b:04X}}},\n")
    out.write("};\n\n")
    out.write("// Primary composites: a starter and the code point after it to the composite.\n")
    out.write("// Sorted by First, then Second.\n")
    out.write("constinit const Composition kCompositionTable[] = {\n")
    for a, b, cp in compositions:
        out.write(f"    {{0x{a:04X}, 0x{b:04X}, 0x{cp:04X}}},\n")
    out.write("};\n\n")
    out.write("const std::span<const CombiningClassRun> kCombiningClasses(kCombiningClassTable);\n")
    out.write("const std::span<const Decomposition> kDecompositions(kDecompositionTable);\n")
    out.write("const std::span<const Composition> kCompositions(kCompositionTable);\n\n")
    out.write("}  // namespace lumora\n")


if __name__ == "__main__":
    main()
