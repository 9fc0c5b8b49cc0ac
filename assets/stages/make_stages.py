#!/usr/bin/env python3
"""Writes the plain texts of the stage folder `standard` (1-1.txt .. 1-4.txt, UTF-8, LF).

The maps are drawn with a few helpers; run this script after changing a map, then
re-plan the replays (see README.md). Chips are named as in the game's chip table: the
names and codes of the `Chip` enumeration in support/ChipTable.h, read from that header,
so the table stays the only place that says which code is which chip.

    make_stages.py           rewrite the texts
    make_stages.py --check   exit 1 if a text differs from what the script draws
"""
import pathlib
import re
import sys
import types

COLUMNS, ROWS = 200, 60
MAP_CHARACTERS = "0123456789ABCDEFGHIJKLMN"  # a map row's character for each chip code
HERE = pathlib.Path(__file__).resolve().parent
CHIP_TABLE = HERE.parent.parent / "support" / "ChipTable.h"


def read_chips(header):
    """The `Chip` enumeration of the header as a namespace: name -> map character."""
    text = header.read_text(encoding="utf-8")
    body = re.search(r"enum class Chip\b[^{]*\{(.*?)\};", text, re.S)
    if body is None:
        raise SystemExit(f"{header}: no enum class Chip")
    entries = re.findall(r"^\s*(\w+)\s*=\s*(\d+)\s*,", body.group(1), re.M)
    codes = sorted(int(code) for _, code in entries)
    if codes != list(range(len(MAP_CHARACTERS))):
        raise SystemExit(f"{header}: the Chip enumeration does not list the codes 0..23 once each")
    return types.SimpleNamespace(**{name: MAP_CHARACTERS[int(code)] for name, code in entries})


C = read_chips(CHIP_TABLE)


class Stage:
    def __init__(self, name, title, background, start, time, next1, next2="NONE"):
        self.name, self.title, self.background = name, title, background
        self.start, self.time, self.next1, self.next2 = start, time, next1, next2
        self.grid = [[C.Empty] * COLUMNS for _ in range(ROWS)]

    def fill(self, c0, c1, r0, r1, chip):
        for r in range(r0, r1 + 1):
            for c in range(c0, c1 + 1):
                self.grid[r][c] = chip

    def put(self, c, r, chip):
        self.grid[r][c] = chip

    def row(self, r, c0, chips):  # chips: a list, left to right
        for i, chip in enumerate(chips):
            self.grid[r][c0 + i] = chip

    def ground(self, r0=55):
        self.fill(0, COLUMNS - 1, r0, ROWS - 1, C.UnbreakableBlock)

    def pit(self, c0, c1, r0=55):
        self.fill(c0, c1, r0, ROWS - 1, C.Empty)

    def text(self):
        lines = [self.background, self.title, str(self.start[0]), str(self.start[1]),
                 str(self.time)]
        lines += ["".join(r) for r in self.grid]
        lines.append(self.next2)
        lines += ["0"] * 29
        lines.append(self.next1)
        assert len(lines) == 96
        return "\n".join(lines) + "\n"


def stage_1_1():
    s = Stage("1-1", "はじまりの草原", "sky.bmp", (3, 54), 300, "1-2")
    s.ground()
    s.row(52, 8, [C.Coin] * 5)
    s.row(51, 15, [C.BreakableBlock, C.CoinBlock, C.BreakableBlock, C.ExtraLifeBlock,
                   C.BreakableBlock])
    s.put(30, 54, C.WalkingEnemy)
    s.fill(36, 37, 52, 54, C.UnbreakableBlock)
    s.put(44, 54, C.WalkingEnemy)
    s.fill(52, 53, 51, 54, C.UnbreakableBlock)
    s.pit(60, 63)
    s.row(51, 60, [C.Coin] * 4)
    s.row(51, 70, [C.BreakableBlock] * 3 + [C.CoinBlock] + [C.BreakableBlock] * 3)
    s.row(50, 70, [C.Coin] * 2)
    s.fill(79, 79, 53, 54, C.UnbreakableBlock)
    s.put(86, 54, C.HorizontalEnemy)
    s.fill(93, 93, 53, 54, C.UnbreakableBlock)
    for i in range(5):  # stairs up to row 50, a gap, stairs down
        s.fill(100 + i, 100 + i, 54 - i, 54, C.UnbreakableBlock)
        s.fill(113 - i, 113 - i, 54 - i, 54, C.UnbreakableBlock)
    s.pit(105, 108)
    s.fill(105, 108, 50, 54, C.Empty)
    s.put(106, 46, C.ExtraLife)
    for c in (122, 127, 132):
        s.put(c, 54, C.WalkingEnemy)
    s.pit(140, 143)
    s.row(51, 140, [C.Coin] * 4)
    s.put(150, 54, C.HorizontalEnemy)
    s.fill(160, 160, 51, 54, C.BreakableBlock)
    s.row(48, 165, [C.BreakableBlock, C.CoinBlock, C.BreakableBlock])
    for i in range(6):
        s.fill(175 + i, 175 + i, 54 - i, 54, C.UnbreakableBlock)
    s.fill(181, 186, 49, 54, C.UnbreakableBlock)
    s.fill(190, 190, 45, 54, C.Goal1)
    s.fill(198, 199, 40, 54, C.UnbreakableBlock)
    return s


def stage_1_2():
    s = Stage("1-2", "地下の洞窟", "cave.bmp", (2, 54), 350, "1-3", "1-4")
    s.ground()
    s.fill(0, COLUMNS - 1, 0, 45, C.UnbreakableBlock)
    s.row(55, 20, [C.Spike] * 3)
    s.put(30, 51, C.HiddenBlock)
    s.put(34, 51, C.HiddenExtraLifeBlock)
    s.fill(38, 42, 51, 51, C.UnbreakableBlock)
    s.put(40, 50, C.WalkingEnemyFalling)
    s.pit(50, 61)
    s.fill(50, 61, 59, 59, C.Spike)
    s.put(55, 55, C.HorizontalLift)
    s.put(66, 54, C.WalkingEnemy)
    s.pit(72, 87)
    s.fill(72, 87, 59, 59, C.Spike)
    s.put(79, 55, C.HorizontalLift)
    # A chimney open to the sky with an endless up-lift, and the upper corridor to goal 2.
    s.fill(99, 101, 0, 59, C.Empty)
    s.put(100, 54, C.VerticalLiftUp)
    s.fill(102, 150, 30, 34, C.Empty)
    s.row(33, 110, [C.Coin] * 5)
    s.put(118, 34, C.WalkingEnemy)
    s.fill(130, 132, 0, 59, C.Empty)
    s.put(131, 40, C.VerticalLiftDown)
    s.fill(149, 149, 30, 34, C.Goal2)
    s.row(55, 112, [C.Spike] * 4)
    s.put(125, 54, C.HorizontalEnemy)
    s.fill(128, 128, 53, 54, C.UnbreakableBlock)
    s.put(140, 54, C.WalkingEnemy)
    s.put(146, 54, C.WalkingEnemyFalling)
    s.row(51, 150, [C.CoinBlock, C.HiddenBlock, C.CoinBlock])
    s.pit(160, 164)
    s.fill(160, 164, 59, 59, C.Spike)
    s.row(55, 172, [C.Spike] * 2)
    s.put(180, 54, C.HorizontalEnemy)
    s.fill(190, 190, 46, 54, C.Goal1)
    s.fill(198, 199, 46, 54, C.UnbreakableBlock)
    return s


def stage_1_3():
    s = Stage("1-3", "星降る夜", "night.bmp", (2, 54), 350, "1-4")
    s.ground()
    s.fill(18, 18, 53, 54, C.UnbreakableBlock)
    s.put(24, 54, C.HorizontalSpike)
    s.fill(32, 32, 53, 54, C.UnbreakableBlock)
    s.fill(38, 42, 45, 45, C.UnbreakableBlock)
    s.put(40, 50, C.VerticalSpikeUp)
    s.pit(52, 54)
    s.put(53, 40, C.VerticalSpikeDown)
    s.put(62, 50, C.VerticalEnemy)
    s.fill(61, 63, 45, 45, C.UnbreakableBlock)
    s.fill(74, 98, 44, 44, C.UnbreakableBlock)
    s.put(86, 49, C.DiagonalEnemy)
    s.fill(108, 114, 51, 51, C.UnbreakableBlock)
    s.put(111, 50, C.TurningWalkingEnemy)
    s.row(48, 109, [C.Coin] * 5)
    s.put(124, 44, C.TurningWalkingEnemy)
    s.pit(132, 135)
    s.put(133, 30, C.VerticalSpikeDown)
    s.fill(142, 142, 53, 54, C.UnbreakableBlock)
    s.put(150, 54, C.HorizontalSpike)
    s.fill(158, 158, 53, 54, C.UnbreakableBlock)
    s.fill(165, 171, 50, 50, C.UnbreakableBlock)
    s.put(168, 49, C.TurningWalkingEnemy)
    s.put(176, 50, C.VerticalEnemy)
    s.fill(175, 177, 45, 45, C.UnbreakableBlock)
    s.fill(190, 190, 46, 54, C.Goal1)
    s.fill(198, 199, 46, 54, C.UnbreakableBlock)
    return s


def stage_1_4():
    s = Stage("1-4", "魔王の城", "castle.bmp", (2, 54), 400, "NONE")
    s.ground()
    s.fill(0, COLUMNS - 1, 0, 38, C.UnbreakableBlock)
    s.row(51, 10, [C.BreakableBlock, C.ExtraLifeBlock, C.BreakableBlock, C.CoinBlock,
                   C.BreakableBlock])
    s.put(24, 54, C.WalkingEnemy)
    s.put(28, 54, C.WalkingEnemy)
    s.row(55, 34, [C.Spike] * 3)
    s.fill(40, 40, 52, 54, C.UnbreakableBlock)
    s.put(46, 54, C.HorizontalSpike)
    s.fill(52, 52, 52, 54, C.UnbreakableBlock)
    s.pit(58, 71)
    s.fill(58, 71, 59, 59, C.Spike)
    s.put(64, 55, C.HorizontalLift)
    s.fill(78, 84, 51, 51, C.UnbreakableBlock)
    s.put(81, 50, C.TurningWalkingEnemy)
    s.put(90, 47, C.DiagonalEnemy)
    s.fill(86, 96, 42, 42, C.UnbreakableBlock)
    s.pit(100, 102)
    s.fill(100, 102, 0, 38, C.Empty)  # a shaft through the ceiling: the spike keeps dropping
    s.put(101, 42, C.VerticalSpikeDown)
    s.put(110, 54, C.HorizontalEnemy)
    s.fill(116, 116, 53, 54, C.UnbreakableBlock)
    s.put(122, 50, C.VerticalEnemy)
    s.fill(121, 123, 45, 45, C.UnbreakableBlock)
    s.put(130, 51, C.HiddenExtraLifeBlock)
    s.put(134, 51, C.HiddenBlock)
    s.row(55, 138, [C.Spike] * 3)
    s.put(146, 54, C.WalkingEnemy)
    s.put(150, 54, C.WalkingEnemy)
    s.put(154, 54, C.WalkingEnemy)
    s.row(50, 146, [C.Coin] * 10)
    s.fill(160, 160, 51, 54, C.BreakableBlock)
    s.put(168, 49, C.VerticalSpikeUp)
    s.fill(167, 169, 44, 44, C.UnbreakableBlock)
    s.put(176, 54, C.ExtraLife)
    s.fill(190, 190, 46, 54, C.Goal1)
    s.fill(198, 199, 40, 54, C.UnbreakableBlock)
    return s


def main():
    check = sys.argv[1:] == ["--check"]
    if sys.argv[1:] and not check:
        raise SystemExit("usage: make_stages.py [--check]")
    differing = []
    for stage in (stage_1_1(), stage_1_2(), stage_1_3(), stage_1_4()):
        path = HERE / f"{stage.name}.txt"
        if not check:
            path.write_text(stage.text(), encoding="utf-8")
        elif not path.exists() or path.read_text(encoding="utf-8") != stage.text():
            differing.append(path.name)
    if differing:
        print("make_stages.py draws other maps than " + ", ".join(differing), file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
