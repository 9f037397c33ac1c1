#!/usr/bin/env python3
"""Kills `kwtool roundtrip` with SIGKILL at random moments while it saves one demo database into
a copy of another, and checks after each kill that the next open of the target (`kwtool stats`,
which recovers an interrupted save) finds either the old or the new database, never a mix: by
its statistics and by the bytes of every file. Nothing of the save may be left beside the files.

Usage: crash_save.py KWTOOL WORKDIR [--kills N] [--seed S]
"""
import argparse
import hashlib
import os
import pathlib
import random
import shutil
import signal
import subprocess
import sys
import time

LEFTOVER_SUFFIX_LENGTH = len(".tmp-XXXXXX")
COMMIT_RECORD = ".kw-commit"


def run(*args: str) -> str:
    return subprocess.run(args, check=True, capture_output=True, text=True).stdout


def tree(folder: pathlib.Path) -> dict:
    """Every file below the folder by relative path, with the digest of its bytes."""
    return {
        str(path.relative_to(folder)): hashlib.sha256(path.read_bytes()).hexdigest()
        for path in sorted(folder.rglob("*"))
        if path.is_file()
    }


def leftovers(folder: pathlib.Path) -> list:
    found = []
    for path in folder.rglob("*"):
        name = path.name
        marked = len(name) > LEFTOVER_SUFFIX_LENGTH and name[-LEFTOVER_SUFFIX_LENGTH:-6] == ".tmp-"
        if marked or name == COMMIT_RECORD:
            found.append(str(path.relative_to(folder)))
    return found


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("kwtool")
    parser.add_argument("work", type=pathlib.Path)
    parser.add_argument("--kills", type=int, default=20)
    parser.add_argument("--seed", type=int, default=None)
    args = parser.parse_args()
    seed = args.seed if args.seed is not None else random.randrange(1 << 30)
    chance = random.Random(seed)

    work = args.work
    shutil.rmtree(work, ignore_errors=True)
    work.mkdir(parents=True)
    kwtool = [args.kwtool, "--install", str(work / "new")]
    run(args.kwtool, "gen-demo", str(work / "new"), "--scale", "small", "--seed", "1")
    run(args.kwtool, "gen-demo", str(work / "old"), "--scale", "small", "--seed", "2")
    source = work / "new" / "database"
    pristine = work / "old" / "database"
    target = work / "target"

    def fresh_target() -> None:
        shutil.rmtree(target, ignore_errors=True)
        shutil.copytree(pristine, target)

    def stats() -> str:
        return run(*kwtool, "stats", str(target), "--json")

    # The two states a run may leave, and how long a whole run takes.
    fresh_target()
    old_tree, old_stats = tree(target), stats()
    durations = []
    for _ in range(3):
        fresh_target()
        start = time.monotonic()
        run(*kwtool, "roundtrip", str(source), str(target))
        durations.append(time.monotonic() - start)
    new_tree, new_stats = tree(target), stats()
    if old_tree == new_tree or old_stats == new_stats:
        print("FAIL: the two demo databases do not differ", file=sys.stderr)
        return 1
    longest = max(durations) * 1.2

    outcomes = {"old": 0, "new": 0, "rolled forward": 0}
    runs = 0
    while outcomes["old"] + outcomes["new"] < args.kills:
        runs += 1
        fresh_target()
        delay = chance.uniform(0.0, longest)
        process = subprocess.Popen(
            [*kwtool, "roundtrip", str(source), str(target)],
            stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL,
        )
        time.sleep(delay)
        if process.poll() is not None:
            continue  # finished before the kill: not a test of recovery
        process.send_signal(signal.SIGKILL)
        process.wait()
        recorded = (target / COMMIT_RECORD).exists()
        now_stats = stats()
        now_tree = tree(target)
        state = "old" if now_tree == old_tree else "new" if now_tree == new_tree else None
        if state is None or now_stats != (old_stats if state == "old" else new_stats):
            mixed = sum(1 for name, digest in now_tree.items() if old_tree.get(name) != digest)
            print(f"FAIL: a kill after {delay:.3f} s (seed {seed}) left a mix: "
                  f"{mixed} files differ from the old database", file=sys.stderr)
            return 1
        left = leftovers(target)
        if left:
            print(f"FAIL: a kill after {delay:.3f} s (seed {seed}) left {left}", file=sys.stderr)
            return 1
        outcomes[state] += 1
        outcomes["rolled forward"] += recorded and state == "new"

    print(f"{args.kills} kills in {runs} runs, each within {longest:.3f} s of its start "
          f"(seed {seed}): the next open found the old database {outcomes['old']} times, the "
          f"new one {outcomes['new']} times ({outcomes['rolled forward']} of them by finishing "
          f"an interrupted commit)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
