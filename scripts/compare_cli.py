#!/usr/bin/env python3
"""Runs two builds of lumora-cli on the same generated inputs and compares their output.

Usage: scripts/compare_cli.py REFERENCE-CLI CANDIDATE-CLI [--count N] [--seed S]

Every generated input (birth-detail forms, Western forms, profile values, moon moments,
info and profile commands, rank over generated candidate files in CSV and JSON Lines) is
given to both programs with and without --json (and with
--report for the Vedic match); standard output, standard error and exit status must agree
byte for byte. Prints the number of runs and of identical runs; exit status 1 on any
difference, with the first few differences shown.
"""

import argparse
import json
import os
import random
import subprocess
import sys
import tempfile

MONTHS = ["January", "February", "March", "April", "May", "June", "July", "August",
          "September", "October", "November", "December"]
SIGNS = ["Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo", "Libra", "Scorpio",
         "Sagittarius", "Capricorn", "Aquarius", "Pisces"]
NAKSHATRAS = ["Ashwini", "Bharani", "Krittika", "Rohini", "Mrigasira", "Ardra", "Punarvasu",
              "Pushya", "Ashlesha", "Magha", "Poorva Phalguni", "Uttara Phalguni", "Hasta",
              "Chitra", "Swati", "Vishakha", "Anuradha", "Jyeshtha", "Moola", "Purva Ashadha",
              "Uttara Ashadha", "Shravana", "Dhanistha", "Shatabhisha", "Poorva Bhadrapada",
              "Uttara Bhadrapada", "Revati"]
NAMES = ["Arjun", "Bela", "Mira", "Arun", "Ravi Kumar", "Sita", "Anna", "John", "X", "R2D2", " "]
CITIES = [("Delhi", "Delhi", "India"), ("London", "England", "United Kingdom"),
          ("Perth", "Western Australia", "Australia"), ("Lima", "Lima", "Peru"),
          ("Reykjavik", "Capital", "Iceland"), ("Mumbai", "Maharashtra", "India")]


def odd_text(rng):
    return rng.choice(["", " ", "-1", "abc", "1.5", "007", "99999999999", "+3", " 4", "4 ", "x9"])


def maybe(rng, value, odd_chance):
    """The value, or now and then something the form must refuse or read oddly."""
    return odd_text(rng) if rng.random() < odd_chance else value


ZONE_IDS = ["Asia/Kolkata", "Europe/London", "America/New_York", "Australia/Perth",
            "Asia/Kathmandu", "Nowhere/Town", ""]
# JSON values of kinds a form entry does not take, and whole numbers past their range.
ODD_KINDS = [None, 5.5, True, [1], {"a": 1}, 18446744073709551615, -7]


def form_side(rng, prefix, odd, western):
    """One person's entries of the Western input form or the birth-details form."""
    city, state, country = rng.choice(CITIES)
    side = {
        f"txt{prefix}Name": maybe(rng, rng.choice(NAMES), odd),
        f"cbo{prefix}Date": maybe(rng, str(rng.randint(1, 31)), odd),
        f"cbo{prefix}Month": rng.choice(MONTHS) if rng.random() > odd else "Smarch",
        f"cbo{prefix}Year": maybe(rng, str(rng.randint(1901, 2050)), odd),
        f"cbo{prefix}HH": maybe(rng, str(rng.randint(0, 23 if western else 24)), odd),
        f"cbo{prefix}MM": maybe(rng, str(rng.randint(0, 59)), odd),
        f"cbo{prefix}SS": maybe(rng, str(rng.randint(0, 59)), odd),
        f"txt{prefix}City": maybe(rng, city, odd / 2),
        f"txt{prefix}State": maybe(rng, state, odd / 2),
        f"txt{prefix}Country": maybe(rng, country, odd / 2),
        f"txt{prefix}LD": maybe(rng, str(rng.randint(0, 95)), odd),
        f"txt{prefix}LM": maybe(rng, str(rng.randint(0, 62)), odd),
        f"txt{prefix}LoD": maybe(rng, str(rng.randint(0, 185)), odd),
        f"txt{prefix}LoM": maybe(rng, str(rng.randint(0, 62)), odd),
    }
    if western:
        # One key per option pair: 0 the first option, 1 the second, null neither.
        for pair in ("Long", "Lat"):
            if rng.random() < 0.8:
                side[f"opt{prefix}{pair}"] = (rng.choice([0, 1, 2, None, "South"])
                                              if rng.random() < odd else rng.choice([0, 1]))
        if rng.random() < 0.9:
            if rng.random() < 0.5:
                side[f"cmb{prefix}TimeZone"] = (rng.randint(-2, 72) if rng.random() < odd
                                                else rng.randint(0, 70))
            else:
                side[f"cmb{prefix}TimeZone"] = rng.choice(
                    ["Indian Time, IST, +5.3", "Greenwich Mean Time,GMT,0.0",
                     "Java Time, JT, +7.5", "Hawaiian Standard Time,HST,-10.5",
                     "Nowhere Time", "Iran Time, IT, +3.5"])
    else:
        # One boolean key per option button.
        for first, second, chance in (("North", "South", 0.3), ("East", "West", 0.4)):
            if rng.random() < 0.7:
                later = rng.random() < chance
                side[f"opt{prefix}{first}"] = not later and rng.random() > odd / 3
                side[f"opt{prefix}{second}"] = later
        side[f"txt{prefix}ZoneHour"] = maybe(rng, str(rng.randint(-14, 14)), odd)
        side[f"txt{prefix}ZoneMinute"] = maybe(rng, str(rng.choice([0, 0, 30, 45, 60])), odd)
    if rng.random() < 0.5:
        side[f"chk{prefix}DST"] = rng.random() < 0.3
    if rng.random() < 0.25:
        side[f"{prefix}TimeZoneId"] = rng.choice(ZONE_IDS)
        if rng.random() < 0.3:
            side[f"{prefix}ClockReading"] = rng.choice(["earlier", "later", "sideways"])
    # Now and then a key goes missing (it takes the window's preset) or holds a value of a
    # kind its control cannot.
    for key in list(side):
        roll = rng.random()
        if roll < odd / 4:
            del side[key]
        elif roll < odd / 2:
            side[key] = rng.choice(ODD_KINDS)
    return side


def profile_values(rng):
    values = [rng.choice(SIGNS), rng.choice(SIGNS), rng.choice(NAKSHATRAS), rng.choice(NAKSHATRAS)]
    roll = rng.random()
    if roll < 0.1:
        values[rng.randint(0, 3)] = rng.choice(["Mula", "Aries (Mesha)", "", "leo"])
    elif roll < 0.15:
        values = values[: rng.randint(0, 3)]
    return values


def moon_moment(rng):
    moment = {
        "BirthYear": rng.randint(1850, 2100), "BirthMonth": rng.randint(1, 12),
        "BirthDay": rng.randint(1, 28), "BirthHour": rng.randint(0, 24),
        "BirthMinute": rng.randint(0, 59), "ZoneHour": rng.randint(0, 12),
        "ZoneMinute": rng.choice([0, 30, 45]), "LongDeg": rng.randint(0, 180),
        "LongMin": rng.randint(0, 59), "LatDeg": rng.randint(0, 90), "LatMin": rng.randint(0, 59),
        "IsEast": rng.random() < 0.5, "IsSouth": rng.random() < 0.3, "IsDST": rng.random() < 0.2,
    }
    if rng.random() < 0.1:
        key = rng.choice(list(moment))
        moment[key] = rng.choice(["x", None, 1.5, -3, True])
    if rng.random() < 0.05:
        del moment[rng.choice(list(moment))]
    return moment


def generate(rng, count):
    """(arguments, standard input) pairs."""
    runs = []
    for i in range(count):
        odd = 0.0 if i % 3 == 0 else 0.08
        kind = i % 5
        if kind == 0 or kind == 1:
            form = {**form_side(rng, "M", odd, False), **form_side(rng, "F", odd, False)}
            line = json.dumps(form)
            for args in (["vedic"], ["vedic", "--json"], ["vedic", "--json", "--report"]):
                runs.append((args, line + "\n"))
        elif kind == 2:
            form = {**form_side(rng, "M", odd, True), **form_side(rng, "F", odd, True)}
            line = json.dumps(form)
            for args in (["western"], ["western", "--json"]):
                runs.append((args, line + "\n"))
        elif kind == 3:
            line = json.dumps({"Profile": profile_values(rng)})
            for args in (["vedic"], ["vedic", "--json"], ["vedic", "--json", "--report"]):
                runs.append((args, line + "\n"))
        else:
            line = json.dumps(moon_moment(rng))
            for args in (["moon"], ["moon", "--json"]):
                runs.append((args, line + "\n"))
    # Several inputs in one stream, and the commands without form input.
    batch = "".join(json.dumps({**form_side(rng, "M", 0.05, False),
                                **form_side(rng, "F", 0.05, False)}) + "\n"
                    for _ in range(20))
    runs.append((["vedic", "--json"], batch))
    runs.append((["vedic"], batch))
    batch = "".join(json.dumps({**form_side(rng, "M", 0.05, True),
                                **form_side(rng, "F", 0.05, True)}) + "\n"
                    for _ in range(20))
    runs.append((["western", "--json"], batch))
    for args in (["info", "kootas"], ["info", "kootas", "--json"], ["info", "timezones"],
                 ["info", "timezones", "--json"], ["info", "rashi", "Leo", "--json"],
                 ["info", "nakshatra", "Moola", "--json"], ["info", "rashi", "Mesha"],
                 ["info", "nakshatra", "Revati"], ["--help"], ["vedic", "--help"],
                 ["western", "--help"], ["moon", "--help"], ["profile", "--help"],
                 ["info", "--help"], ["--version"], ["nonsense"], []):
        runs.append((args, ""))
    runs.append((["vedic", "--json"], "not json\n"))
    runs.append((["western", "--json"], "{}\n[1,2]\n"))
    return runs


def run(cli, args, stdin, workdir):
    result = subprocess.run([cli] + args, input=stdin.encode(), capture_output=True, cwd=workdir,
                            timeout=60)
    # The program's own path appears in usage texts; compare without it.
    out = result.stdout.replace(cli.encode(), b"lumora-cli")
    err = result.stderr.replace(cli.encode(), b"lumora-cli")
    return out, err, result.returncode


class Tally:
    """Runs both builds on the same arguments and input and counts the runs that agree."""

    def __init__(self, reference, candidate):
        self.reference = reference
        self.candidate = candidate
        self.total = 0
        self.same = 0
        self.differences = []

    def compare(self, args, stdin, workdir):
        a = run(self.reference, args, stdin, workdir)
        b = run(self.candidate, args, stdin, workdir)
        self.record(args, stdin, a, b, a == b)

    def record(self, args, stdin, a, b, same):
        self.total += 1
        if same:
            self.same += 1
        else:
            self.differences.append((args, stdin, a, b))


def profile_runs(rng, tally, count):
    """Profile files: written by each build, then read back by each build."""
    with tempfile.TemporaryDirectory() as workdir:
        for i in range(count):
            values = profile_values(rng)
            keys = ["BoyRashi", "GirlRashi", "BoyNakshatra", "GirlNakshatra"]
            line = json.dumps(dict(zip(keys, values))) + "\n"
            files = []
            outputs = []
            # Each build writes into a folder of its own under the same relative name,
            # since the output names the file.
            for tag, cli in (("ref", tally.reference), ("new", tally.candidate)):
                folder = os.path.join(workdir, tag)
                os.makedirs(folder, exist_ok=True)
                name = f"p{i}.kun"
                outputs.append(run(cli, ["profile", "write", name, "--json"], line, folder))
                path = os.path.join(folder, name)
                files.append(open(path, "rb").read() if os.path.exists(path) else None)
            tally.record(["profile", "write"], line, outputs[0], outputs[1],
                         outputs[0] == outputs[1] and files[0] == files[1])
            if files[0] is None:
                continue
            path = os.path.join(workdir, "ref", f"p{i}.kun")
            for args in (["profile", "read", path, "--json"], ["profile", "read", path, "--match"]):
                tally.compare(args, "", workdir)


RANK_PLACES = [("28.61", "77.21", "Asia/Kolkata"), ("51.51", "-0.13", "Europe/London"),
               ("40.71", "-74.01", "America/New_York"), ("-33.87", "151.21", "Australia/Sydney"),
               ("24.86", "67.01", "Asia/Karachi"), ("52.52", "13.40", "Europe/Berlin")]


def rank_candidate(rng, odd):
    """One candidate row: name, date, time, latitude, longitude, zone (now and then odd)."""
    lat, lon, zone = rng.choice(RANK_PLACES)
    row = [rng.choice(NAMES + ["Khan, Sana", "S\u00e3o Jo\u00e3o", "A" * 40, "x\"y"]),
           f"{rng.randint(1901, 2050):04d}-{rng.randint(1, 12):02d}-{rng.randint(1, 28):02d}",
           f"{rng.randint(0, 23):02d}:{rng.randint(0, 59):02d}", lat, lon, zone]
    if rng.random() < odd:
        row[rng.randint(1, 5)] = odd_text(rng)
    return row


def csv_field(text):
    return '"' + text.replace('"', '""') + '"' if any(c in text for c in ',"\n') else text


def rank_runs(rng, tally, count):
    """rank over generated candidate files, as CSV and as JSON Lines, with its options."""
    with tempfile.TemporaryDirectory() as workdir:
        keys = ["Name", "BirthDate", "BirthTime", "Latitude", "Longitude", "TimeZone"]
        for i in range(count):
            rows = [rank_candidate(rng, 0.05) for _ in range(rng.randint(1, 400))]
            csv_path = os.path.join(workdir, f"c{i}.csv")
            with open(csv_path, "w", encoding="utf-8") as f:
                f.write(",".join(keys) + "\n")
                for row in rows:
                    f.write(",".join(csv_field(x) for x in row) + "\n")
            jsonl_path = os.path.join(workdir, f"c{i}.jsonl")
            with open(jsonl_path, "w", encoding="utf-8") as f:
                for row in rows:
                    f.write(json.dumps(dict(zip(keys, row))) + "\n")
            person = dict(zip(keys, rank_candidate(rng, 0.0)))
            person_path = os.path.join(workdir, f"p{i}.json")
            with open(person_path, "w", encoding="utf-8") as f:
                json.dump(person, f)
            side = rng.choice(["--boy", "--girl"])
            extra = rng.choice([[], ["--top", str(rng.randint(1, 50))],
                                ["--min-total", str(rng.randint(0, 72) / 2)],
                                ["--uncertainty", str(rng.choice([5, 15, 30, 60]))],
                                ["--precise-moon"], ["--threads", "3"]])
            for candidates in (csv_path, jsonl_path):
                for json_flag in ([], ["--json"]):
                    tally.compare(["rank", side, person_path, "--candidates", candidates] +
                                  extra + json_flag, "", workdir)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("reference")
    parser.add_argument("candidate")
    parser.add_argument("--count", type=int, default=300)
    parser.add_argument("--seed", type=int, default=20261208)
    options = parser.parse_args()
    rng = random.Random(options.seed)
    tally = Tally(os.path.abspath(options.reference), os.path.abspath(options.candidate))
    with tempfile.TemporaryDirectory() as workdir:
        for args, stdin in generate(rng, options.count):
            tally.compare(args, stdin, workdir)
    profile_runs(rng, tally, options.count // 10)
    rank_runs(rng, tally, options.count // 10)

    print(f"{tally.total} runs, {tally.same} identical, {tally.total - tally.same} different")
    for args, stdin, a, b in tally.differences[:5]:
        print("---", " ".join(args), stdin[:300])
        print("reference:", a)
        print("candidate:", b)
    return 0 if tally.same == tally.total else 1


if __name__ == "__main__":
    sys.exit(main())
