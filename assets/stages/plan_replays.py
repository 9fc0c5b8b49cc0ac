#!/usr/bin/env python3
"""Plans the replays of the shipped stages again, for both builds, with the search of
tests/rules (rules_replay_planner), and writes them where `make test` plays them:
<folder>/replays/<replay>.rpl and <folder>/replays/low/<replay>.rpl.

    plan_replays.py PLANNER [FOLDER/REPLAY ...]     e.g. standard/2-2-goal2

PLANNER is the built planner (BUILD/tools/rules_replay_planner, target
rules_replay_planner). Without replays named, every replay of the table is planned, one
after the other (a search takes seconds to a minute and one processor core). A replay
whose name ends in "-goal2" leaves its stage through goal 2. The options below are those
that gave the replays shipped: a search is a beam search, and a little more look-ahead
(--macro), width (--beam) or another weight often finds a faster line.
"""
import pathlib
import subprocess
import sys

HERE = pathlib.Path(__file__).resolve().parent

# Replay: planner options for both builds.
PLANS = {
    "standard/1-1": [],
    "standard/1-2": [],
    "standard/1-2-goal2": ["--beam", "150"],
    "standard/1-3": [],
    "standard/1-4": [],
    "standard/2-1": ["--macro", "6"],
    "standard/2-2": [],
    "standard/2-2-goal2": [],
    "standard/2-3": ["--power"],
    "standard/2-4": ["--points", "0.5"],
    "veteran/1-1": [],
    "veteran/1-2": [],
    "veteran/1-3": ["--power", "--macro", "3", "--beam", "300"],
    "veteran/1-4": ["--power"],
}


def plan(planner, replay):
    folder, name = replay.split("/")
    stage = name.removesuffix("-goal2")
    goal = "2" if name.endswith("-goal2") else "1"
    for low, out in ((False, HERE / folder / "replays" / f"{name}.rpl"),
                     (True, HERE / folder / "replays" / "low" / f"{name}.rpl")):
        command = [planner, str(HERE / folder / f"{stage}.txt"),
                   str(HERE / folder / "routes" / f"{name}.route"), str(out), "--goal", goal,
                   "--report", "0"] + PLANS[replay] + (["--low"] if low else [])
        result = subprocess.run(command, capture_output=True, text=True)
        print(f"{replay}{' (low-spec)' if low else ''}: {result.stderr.strip()}")
        if result.returncode != 0:
            return False
    return True


def main():
    if len(sys.argv) < 2:
        raise SystemExit(__doc__)
    replays = sys.argv[2:] or list(PLANS)
    unknown = [r for r in replays if r not in PLANS]
    if unknown:
        raise SystemExit("no plan for " + ", ".join(unknown))
    return 0 if all([plan(sys.argv[1], r) for r in replays]) else 1


if __name__ == "__main__":
    sys.exit(main())
