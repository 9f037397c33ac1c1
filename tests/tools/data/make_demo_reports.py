#!/usr/bin/env python3
"""Works out the four mapping reports of the small demo from the mapping rules alone.

Usage: make_demo_reports.py KWTOOL [OUTDIR]

KWTOOL writes the small demo installation and dumps its database as JSON; everything else (reading
the other game's lists and "faceIDs.txt", matching names, counting and writing the reports) is done
here from the rules of docs/MAPPING_FILES.md, so the expected reports never come from the mapping
code they check. The reports go to OUTDIR, by default the folder of this script.
"""

import json
import os
import re
import subprocess
import sys
import tempfile

ENCODING = "cp1252"


def normalise_spaces(text):
    """Tabs and line breaks become blanks, runs of blanks one blank, none at either end."""
    return re.sub(" +", " ", re.sub("[\t\r\n]", " ", text)).strip(" ")


def key(text):
    """Names compare after space normalisation, ignoring the case of A to Z only."""
    return re.sub("[A-Z]", lambda m: m.group(0).lower(), normalise_spaces(text))


def number(field):
    field = field.strip(" ")
    if not re.fullmatch(r"[+-]?[0-9]+", field):
        raise ValueError(field)
    return int(field)


def records(path, fields, numbers):
    """The records of a list: `fields` fields at least, the first `numbers` of them whole numbers;
    lines that are empty, start with '#' or do not fit are skipped."""
    with open(path, "rb") as file:
        text = file.read().decode(ENCODING)
    result = []
    for line in text.split("\n"):
        if line.endswith("\r"):
            line = line[:-1]
        if not line or line.startswith("#"):
            continue
        parts = line.split(";")
        if len(parts) < fields:
            continue
        try:
            values = [number(p) for p in parts[:numbers]] + parts[numbers:]
        except ValueError:
            continue
        result.append(values)
    return result


def first_by(items, name_of):
    """The first item for each name key: lookups find the first record in the file."""
    index = {}
    for item in items:
        index.setdefault(key(name_of(item)), item)
    return index


def face_table(path):
    """The entries of "faceIDs.txt": a count, then a text line and a number line per entry. The
    counted entries are those with a number other than 0, each number once."""
    with open(path, "rb") as file:
        lines = file.read().decode(ENCODING).replace("\r\n", "\n").split("\n")
    count = int(lines[0])
    entries, seen = [], set()
    for i in range(count):
        text, value = lines[1 + 2 * i], int(lines[2 + 2 * i])
        if value != 0 and value not in seen:
            seen.add(value)
            entries.append((value, text))
    return entries


def mapped_clubs(world):
    """Every club of the countries 1 to 206 but the national teams, in number order."""
    for country in world["countries"]:
        for club in country["clubs"]:
            if club["id"] & 0xFFFF != 0xFFFF:
                yield club


def mapped_players(world):
    """Every player (kind 0) of those clubs, in squad order."""
    for club in mapped_clubs(world):
        for person in club["persons"]:
            if person["kind"] == 0:
                yield person


def full_name(first, surname):
    return first + " " + surname


def duplicates(names):
    """Each name several records share, once, in the order of the sorted keys."""
    counts = {}
    for name in names:
        if name:
            counts.setdefault(key(name), [name, 0])[1] += 1
    ordered = sorted(counts, key=lambda k: k.encode(ENCODING))
    return [counts[k][0] for k in ordered if counts[k][1] > 1]


def club_report(world, lists):
    clubs = [{"id": r[0], "name": r[1], "second": r[2], "taken": 0}
             for r in records(os.path.join(lists, "RakelClubs.txt"), 3, 1)]
    index = first_by(clubs, lambda c: c["name"])
    success = failure = 0
    for club in mapped_clubs(world):
        # The name in the database's language; the demo's clubs carry the same in all five.
        hit = index.get(key(club["names"][0]))
        if hit is None:
            failure += 1
        else:
            success += 1
            hit["taken"] += 1
    ordered = sorted(clubs, key=lambda c: key(c["name"]).encode(ENCODING))
    unmapped = [c for c in ordered if c["taken"] == 0]
    overmapped = [c for c in ordered if c["taken"] > 1]
    lines = ["Club mapping statistics", f"Success: {success}, Failure: {failure}",
             f"Unmapped: {len(unmapped)}, Too much mapped: {len(overmapped)}", "Unmapped:"]
    lines += [f"{c['name']} ({c['second']}) - RakelID: {c['id']}" for c in unmapped]
    lines.append("Overmapped:")
    lines += [f"{c['name']} ({c['second']}) ({c['taken']} Times)- RakelID: {c['id']}"
              for c in overmapped]
    return lines


def player_report(world, lists):
    players = []
    for r in records(os.path.join(lists, "RakelPlayers.txt"), 3, 1):
        name = normalise_spaces(full_name(r[1], r[2]))
        if name:
            players.append({"id": r[0], "name": name, "nick": r[3] if len(r) > 3 else ""})
    by_name = first_by(players, lambda p: p["name"])
    by_nick = first_by([p for p in players if normalise_spaces(p["nick"])], lambda p: p["nick"])
    success, failures, unnormalised = 0, [], []
    for person in mapped_players(world):
        raw = full_name(person["firstName"], person["surname"])
        line = f"   {person['surname']}, {person['firstName']} [nick: {person['nickname']}]"
        if any(normalise_spaces(t) != t for t in (raw, person["nickname"], person["stageName"])):
            unnormalised.append(line)
        hit = by_name.get(key(raw))
        for other in (person["nickname"], person["stageName"]):
            if hit is None and normalise_spaces(other):
                hit = by_nick.get(key(other))
        if hit is None:
            failures.append(line)
        else:
            success += 1
    double_names = duplicates(p["name"] for p in players)
    double_nicks = duplicates(normalise_spaces(p["nick"]) for p in players)
    lines = ["Rakel ID Report - Set complete world from file RakelPlayers.txt",
             f"Number of Rakel Players: {len(players)}", "Stat:", f"Success: {success}",
             f"Failed: {len(failures)}", f"Unnormalized players: {len(unnormalised)}",
             f"Same names: {len(double_names)}, Same nicks: {len(double_nicks)}", "Failures:"]
    lines += failures
    if unnormalised:
        lines.append("Unnormalized Players in the KW-Database")
        lines += unnormalised
    lines.append("Double names:")
    lines += ["   " + name for name in double_names]
    lines.append("Double nicks:")
    lines += ["   " + nick for nick in double_nicks]
    return lines


def usage_report(entries, counts):
    """The face reports: entries used once, never and more than once."""
    used = [counts.get(value, 0) for value, _ in entries]
    lines = ["Face mapping statistics:", f"Successful: {used.count(1)}:",
             f"Unmapped: {used.count(0)}:", f"Overmapped: {sum(1 for n in used if n > 1)}", "",
             "Unmapped:"]
    lines += [text for (_, text), n in zip(entries, used) if n == 0]
    lines.append("Overmapped:")
    lines += [f"{text} ({n})" for (_, text), n in zip(entries, used) if n > 1]
    return lines


def face_report(world, lists, faces_file):
    table = {value for value, _ in face_table(faces_file)}
    faces = first_by([{"face": r[0], "name": full_name(r[1], r[2])}
                      for r in records(os.path.join(lists, "RakelFaces.txt"), 3, 1)],
                     lambda f: f["name"])
    counts = {}
    for person in mapped_players(world):
        hit = faces.get(key(full_name(person["firstName"], person["surname"])))
        if hit is not None and hit["face"] in table:
            counts[hit["face"]] = counts.get(hit["face"], 0) + 1
    return usage_report(face_table(faces_file), counts)


def ps2_face_report(world, lists):
    entries = [(r[1], r[2]) for r in records(os.path.join(lists, "RakelPS2Faces.txt"), 3, 2)]
    # A record is found by its face number, the first one with that number; keyed by position.
    first = {}
    for position, (face, _) in enumerate(entries):
        first.setdefault(face, position)
    counts = {}
    for person in mapped_players(world):
        face = person["specialFace"]
        if face != 0 and face in first:
            counts[first[face]] = counts.get(first[face], 0) + 1
    return usage_report(list(enumerate(text for _, text in entries)), counts)


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    kwtool = os.path.abspath(sys.argv[1])
    out = sys.argv[2] if len(sys.argv) == 3 else os.path.dirname(os.path.abspath(__file__))
    with tempfile.TemporaryDirectory() as work:
        install = os.path.join(work, "install")
        database = os.path.join(install, "database")
        subprocess.run([kwtool, "gen-demo", install, "--scale", "small"], check=True,
                       stdout=subprocess.DEVNULL)
        dump = subprocess.run([kwtool, "--install", install, "dump", database, "--json"],
                              check=True, stdout=subprocess.PIPE).stdout
        world = json.loads(dump.decode("utf-8"))
        lists = os.path.join(database, "rakel")
        reports = {
            "demo_club_report.txt": club_report(world, lists),
            "demo_player_report.txt": player_report(world, lists),
            "demo_face_report.txt": face_report(world, lists,
                                                os.path.join(database, "ger", "faceIDs.txt")),
            "demo_ps2_face_report.txt": ps2_face_report(world, lists),
        }
    for name, lines in reports.items():
        with open(os.path.join(out, name), "wb") as file:
            file.write("".join(line + "\r\n" for line in lines).encode(ENCODING))


if __name__ == "__main__":
    main()
