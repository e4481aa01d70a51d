#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Checks the windows' translation catalogues.

  check_translations.py LUPDATE SOURCE_DIR TS_FILE...

Fails when a catalogue lags behind the sources (lupdate run into a copy finds a text that the
catalogue lacks), or when a message has no finished translation, loses a placeholder (%1, %n)
or an access key, or keeps English where it should not.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%(?:L?\d+|n)")
# Texts that read the same in every language: the program's own markers and units.
SAME_EVERYWHERE = re.compile(r"^[\s\d%A-Z/:&+\-±()\[\].,]*$")


def messages(ts_path):
    root = ET.parse(ts_path).getroot()
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            yield name, message


def translations_of(message):
    translation = message.find("translation")
    if translation is None:
        return None, []
    forms = translation.findall("numerusform")
    texts = [f.text or "" for f in forms] if forms else [translation.text or ""]
    return translation, texts


def check_catalogue(ts_path):
    faults = []
    count = 0
    for context, message in messages(ts_path):
        count += 1
        source = message.findtext("source") or ""
        where = f"{os.path.basename(ts_path)}: {context}: {source[:60]!r}"
        translation, texts = translations_of(message)
        if translation is None or translation.get("type") in ("unfinished", "obsolete", "vanished"):
            faults.append(f"{where}: not finished")
            continue
        if not texts or any(not t.strip() for t in texts):
            faults.append(f"{where}: empty translation")
            continue
        for text in texts:
            if sorted(set(PLACEHOLDER.findall(source))) != sorted(set(PLACEHOLDER.findall(text))):
                faults.append(f"{where}: placeholders differ in {text!r}")
            # An access key stays an access key (the letter may change with the script).
            if re.search(r"&[^&\s]", source) and not re.search(r"&[^&\s]", text):
                faults.append(f"{where}: lost its access key in {text!r}")
            if text == source and not SAME_EVERYWHERE.match(source) and len(source) > 3:
                faults.append(f"{where}: left in English")
    return count, faults


def sources_in_catalogue(ts_path):
    return {(c, m.findtext("source"), m.findtext("comment")) for c, m in messages(ts_path)}


def check_up_to_date(lupdate, source_dir, ts_path):
    """lupdate on the sources into a copy: every text it finds must already be there."""
    with tempfile.TemporaryDirectory() as scratch:
        copy = os.path.join(scratch, os.path.basename(ts_path))
        shutil.copy(ts_path, copy)
        subprocess.run(
            [lupdate, "-silent", "-no-obsolete", "-locations", "none", "-I", os.path.join(source_dir, "src"),
             os.path.join(source_dir, "src", "ui"), os.path.join(source_dir, "src", "app"),
             "-ts", copy],
            check=True)
        missing = sources_in_catalogue(copy) - sources_in_catalogue(ts_path)
        gone = sources_in_catalogue(ts_path) - sources_in_catalogue(copy)
    faults = [f"{os.path.basename(ts_path)}: {c}: {s!r} is in the sources but not translated"
              for c, s, _ in sorted(missing, key=str)]
    faults += [f"{os.path.basename(ts_path)}: {c}: {s!r} is no longer in the sources"
               for c, s, _ in sorted(gone, key=str)]
    return faults


def main():
    lupdate, source_dir, ts_files = sys.argv[1], sys.argv[2], sys.argv[3:]
    faults = []
    counts = []
    for ts in ts_files:
        count, found = check_catalogue(ts)
        counts.append(count)
        faults += found
        faults += check_up_to_date(lupdate, source_dir, ts)
    if len(set(counts)) > 1:
        faults.append(f"the catalogues hold different numbers of messages: {counts}")
    for fault in faults:
        print(fault)
    print(f"{len(ts_files)} catalogues, {counts} messages, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
