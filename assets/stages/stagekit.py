"""The drawing kit of the stage scripts: the chip names, read from the game's chip table,
and a stage of 200 x 60 cells with a few drawing helpers that writes itself as the plain
96-line stage text.

Chips are named as in the game's chip table: the names and codes of the `Chip` enumeration
in support/ChipTable.h, read from that header, so the table stays the only place that says
which code is which chip.
"""
import pathlib
import re
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
    """A stage being drawn: its properties and a grid of map characters, [row][column]."""

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

    def ledge(self, c0, c1, r, chip=None):
        """A one-cell-thick platform from column c0 to c1 in row r."""
        self.fill(c0, c1, r, r, chip or C.UnbreakableBlock)

    def wall(self, c, r0, r1, chip=None):
        """A one-cell-wide wall in column c from row r0 down to row r1."""
        self.fill(c, c, r0, r1, chip or C.UnbreakableBlock)

    def goal(self, c, r0, r1, chip=None):
        """A goal post in column c from row r0 down to row r1."""
        self.fill(c, c, r0, r1, chip or C.Goal1)

    def text(self):
        lines = [self.background, self.title, str(self.start[0]), str(self.start[1]),
                 str(self.time)]
        lines += ["".join(r) for r in self.grid]
        lines.append(self.next2)
        lines += ["0"] * 29
        lines.append(self.next1)
        assert len(lines) == 96
        return "\n".join(lines) + "\n"
