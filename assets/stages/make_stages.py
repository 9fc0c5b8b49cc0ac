#!/usr/bin/env python3
"""Writes the plain texts of the stage folders (<folder>/<name>.txt, UTF-8, LF).

The maps are drawn by the scripts next to this one (world1.py and world2.py for the folder
`standard`, veteran.py for the folder `veteran`) with the helpers of stagekit.py; run this
script after changing a map, then re-plan the replays (see README.md).

    make_stages.py           rewrite the texts
    make_stages.py --check   exit 1 if a text differs from what the scripts draw
"""
import sys

sys.dont_write_bytecode = True  # keep the source folder free of caches

import world1  # noqa: E402
import world2  # noqa: E402
import veteran  # noqa: E402
from stagekit import HERE  # noqa: E402

FOLDERS = {
    "standard": world1.STAGES + world2.STAGES,
    "veteran": veteran.STAGES,
}


def main():
    check = sys.argv[1:] == ["--check"]
    if sys.argv[1:] and not check:
        raise SystemExit("usage: make_stages.py [--check]")
    differing = []
    for folder, drawings in FOLDERS.items():
        for draw in drawings:
            stage = draw()
            path = HERE / folder / f"{stage.name}.txt"
            if not check:
                path.write_text(stage.text(), encoding="utf-8")
            elif not path.exists() or path.read_text(encoding="utf-8") != stage.text():
                differing.append(f"{folder}/{path.name}")
    if differing:
        print("make_stages.py draws other maps than " + ", ".join(differing), file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
