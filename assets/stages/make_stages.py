#!/usr/bin/env python3
"""Writes the plain texts of the stage folder `standard` (1-1.txt .. 1-4.txt, UTF-8, LF).

The maps are drawn with a few helpers; run this script after changing a map, then
re-plan the replays (see README.md). Chip characters: 0 empty, 1 breakable block,
2 unbreakable block, 3 goal 1, 4 spike, 5 coin, 6 horizontal lift, 7 vertical lift (up),
8 horizontal spike, 9 vertical spike (up), A hidden block, B diagonal enemy,
C horizontal enemy, D vertical enemy, E walking enemy, F walking enemy (falling),
G walking enemy that turns at edges, H vertical lift (down), I vertical spike (down),
J goal 2, K extra life, L coin block, M hidden extra-life block, N extra-life block.
"""
import pathlib

COLUMNS, ROWS = 200, 60


class Stage:
    def __init__(self, name, title, background, start, time, next1, next2="NONE"):
        self.name, self.title, self.background = name, title, background
        self.start, self.time, self.next1, self.next2 = start, time, next1, next2
        self.grid = [["0"] * COLUMNS for _ in range(ROWS)]

    def fill(self, c0, c1, r0, r1, chip):
        for r in range(r0, r1 + 1):
            for c in range(c0, c1 + 1):
                self.grid[r][c] = chip

    def put(self, c, r, chip):
        self.grid[r][c] = chip

    def row(self, r, c0, chips):
        for i, chip in enumerate(chips):
            self.grid[r][c0 + i] = chip

    def ground(self, r0=55):
        self.fill(0, COLUMNS - 1, r0, ROWS - 1, "2")

    def pit(self, c0, c1, r0=55):
        self.fill(c0, c1, r0, ROWS - 1, "0")

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
    s.row(52, 8, "55555")
    s.row(51, 15, "1L1N1")
    s.put(30, 54, "E")
    s.fill(36, 37, 52, 54, "2")
    s.put(44, 54, "E")
    s.fill(52, 53, 51, 54, "2")
    s.pit(60, 63)
    s.row(51, 60, "5555")
    s.row(51, 70, "111L111")
    s.row(50, 70, "55")
    s.fill(79, 79, 53, 54, "2")
    s.put(86, 54, "C")
    s.fill(93, 93, 53, 54, "2")
    for i in range(5):  # stairs up to row 50, a gap, stairs down
        s.fill(100 + i, 100 + i, 54 - i, 54, "2")
        s.fill(113 - i, 113 - i, 54 - i, 54, "2")
    s.pit(105, 108)
    s.fill(105, 108, 50, 54, "0")
    s.put(106, 46, "K")
    for c in (122, 127, 132):
        s.put(c, 54, "E")
    s.pit(140, 143)
    s.row(51, 140, "5555")
    s.put(150, 54, "C")
    s.fill(160, 160, 51, 54, "1")
    s.row(48, 165, "1L1")
    for i in range(6):
        s.fill(175 + i, 175 + i, 54 - i, 54, "2")
    s.fill(181, 186, 49, 54, "2")
    s.fill(190, 190, 45, 54, "3")
    s.fill(198, 199, 40, 54, "2")
    return s


def stage_1_2():
    s = Stage("1-2", "地下の洞窟", "cave.bmp", (2, 54), 350, "1-3", "1-4")
    s.ground()
    s.fill(0, COLUMNS - 1, 0, 45, "2")
    s.row(55, 20, "444")
    s.put(30, 51, "A")
    s.put(34, 51, "M")
    s.fill(38, 42, 51, 51, "2")
    s.put(40, 50, "F")
    s.pit(50, 61)
    s.fill(50, 61, 59, 59, "4")
    s.put(55, 55, "6")
    s.put(66, 54, "E")
    s.pit(72, 87)
    s.fill(72, 87, 59, 59, "4")
    s.put(79, 55, "6")
    # A chimney open to the sky with an endless up-lift, and the upper corridor to goal 2.
    s.fill(99, 101, 0, 59, "0")
    s.put(100, 54, "7")
    s.fill(102, 150, 30, 34, "0")
    s.row(33, 110, "55555")
    s.put(118, 34, "E")
    s.fill(130, 132, 0, 59, "0")
    s.put(131, 40, "H")
    s.fill(149, 149, 30, 34, "J")
    s.row(55, 112, "4444")
    s.put(125, 54, "C")
    s.fill(128, 128, 53, 54, "2")
    s.put(140, 54, "E")
    s.put(146, 54, "F")
    s.row(51, 150, "LAL")
    s.pit(160, 164)
    s.fill(160, 164, 59, 59, "4")
    s.row(55, 172, "44")
    s.put(180, 54, "C")
    s.fill(190, 190, 46, 54, "3")
    s.fill(198, 199, 46, 54, "2")
    return s


def stage_1_3():
    s = Stage("1-3", "星降る夜", "night.bmp", (2, 54), 350, "1-4")
    s.ground()
    s.fill(18, 18, 53, 54, "2")
    s.put(24, 54, "8")
    s.fill(32, 32, 53, 54, "2")
    s.fill(38, 42, 45, 45, "2")
    s.put(40, 50, "9")
    s.pit(52, 54)
    s.put(53, 40, "I")
    s.put(62, 50, "D")
    s.fill(61, 63, 45, 45, "2")
    s.fill(74, 98, 44, 44, "2")
    s.put(86, 49, "B")
    s.fill(108, 114, 51, 51, "2")
    s.put(111, 50, "G")
    s.row(48, 109, "55555")
    s.put(124, 44, "G")
    s.pit(132, 135)
    s.put(133, 30, "I")
    s.fill(142, 142, 53, 54, "2")
    s.put(150, 54, "8")
    s.fill(158, 158, 53, 54, "2")
    s.fill(165, 171, 50, 50, "2")
    s.put(168, 49, "G")
    s.put(176, 50, "D")
    s.fill(175, 177, 45, 45, "2")
    s.fill(190, 190, 46, 54, "3")
    s.fill(198, 199, 46, 54, "2")
    return s


def stage_1_4():
    s = Stage("1-4", "魔王の城", "castle.bmp", (2, 54), 400, "NONE")
    s.ground()
    s.fill(0, COLUMNS - 1, 0, 38, "2")
    s.row(51, 10, "1N1L1")
    s.put(24, 54, "E")
    s.put(28, 54, "E")
    s.row(55, 34, "444")
    s.fill(40, 40, 52, 54, "2")
    s.put(46, 54, "8")
    s.fill(52, 52, 52, 54, "2")
    s.pit(58, 71)
    s.fill(58, 71, 59, 59, "4")
    s.put(64, 55, "6")
    s.fill(78, 84, 51, 51, "2")
    s.put(81, 50, "G")
    s.put(90, 47, "B")
    s.fill(86, 96, 42, 42, "2")
    s.pit(100, 102)
    s.fill(100, 102, 0, 38, "0")  # a shaft through the ceiling: the spike keeps dropping
    s.put(101, 42, "I")
    s.put(110, 54, "C")
    s.fill(116, 116, 53, 54, "2")
    s.put(122, 50, "D")
    s.fill(121, 123, 45, 45, "2")
    s.put(130, 51, "M")
    s.put(134, 51, "A")
    s.row(55, 138, "444")
    s.put(146, 54, "E")
    s.put(150, 54, "E")
    s.put(154, 54, "E")
    s.row(50, 146, "5555555555")
    s.fill(160, 160, 51, 54, "1")
    s.put(168, 49, "9")
    s.fill(167, 169, 44, 44, "2")
    s.put(176, 54, "K")
    s.fill(190, 190, 46, 54, "3")
    s.fill(198, 199, 40, 54, "2")
    return s


def main():
    folder = pathlib.Path(__file__).resolve().parent
    for stage in (stage_1_1(), stage_1_2(), stage_1_3(), stage_1_4()):
        (folder / f"{stage.name}.txt").write_text(stage.text(), encoding="utf-8")


if __name__ == "__main__":
    main()
