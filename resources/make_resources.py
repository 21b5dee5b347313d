#!/usr/bin/env python3
"""Writes the program's pictures into resources/: the fourteen bitmaps of the program submenu and
the check mark at 16, 20, 24 and 32 pixels, the program icon and the two default skins.

Run once after changing a drawing here; the generated files are checked in, so the build
needs nothing but this folder. Python standard library only.

Every picture is white where it is transparent and its mask is black exactly where the
picture is opaque, which is what the transparent blit of the menu drawing relies on.
"""

from __future__ import annotations

import math
import struct
from pathlib import Path

HERE = Path(__file__).resolve().parent
SIZE = 16
# The sizes of the program's pictures: 100, 125, 150 and 200 % of 16; the menu draws the one that
# fits the display's resolution, named with the size after the 16-pixel name (KOVPIC24).
SIZES = (16, 20, 24, 32)
WHITE = (255, 255, 255)

Canvas = list  # rows of None (transparent) or (r, g, b)


def blank(width: int = SIZE, height: int = SIZE) -> Canvas:
    return [[None] * width for _ in range(height)]


class Pen:
    """Draws in the 16-unit coordinates of the drawings onto a canvas of any size, so that every
    size is made from the same drawing; at 16 pixels it draws exactly the units."""

    def __init__(self, size: int = SIZE):
        self.c = blank(size, size)
        self.s = size / SIZE

    def _at(self, v: float) -> int:
        return round(v * self.s)

    def disc(self, cx: float, cy: float, r: float, colour, inner: float = -1.0) -> None:
        s = self.s
        for y, row in enumerate(self.c):
            for x in range(len(row)):
                d = math.hypot(x + 0.5 - cx * s, y + 0.5 - cy * s)
                if inner * s < d <= r * s:
                    row[x] = colour

    def box(self, x0: float, y0: float, x1: float, y1: float, colour) -> None:
        """Units x0..x1 and y0..y1, both ends included."""
        for y in range(self._at(y0), self._at(y1 + 1)):
            for x in range(self._at(x0), self._at(x1 + 1)):
                self.c[y][x] = colour

    def glyph(self, x0: int, y0: int, rows: list[str], colour) -> None:
        for dy, text in enumerate(rows):
            for dx, ch in enumerate(text):
                if ch == "#":
                    self.box(x0 + dx, y0 + dy, x0 + dx, y0 + dy, colour)

    def line(self, x0: int, y0: int, x1: int, y1: int, colour, width: int = 1) -> None:
        c, s = self.c, self.s
        x0, y0, x1, y1 = (round(v * s) for v in (x0, y0, x1, y1))
        width = max(1, round(width * s))
        steps = max(abs(x1 - x0), abs(y1 - y0))
        for i in range(steps + 1):
            x = round(x0 + (x1 - x0) * i / steps)
            y = round(y0 + (y1 - y0) * i / steps)
            for dy in range(max(1, round(s))):
                for w in range(width):
                    if 0 <= x + w < len(c[0]) and 0 <= y + dy < len(c):
                        c[y + dy][x + w] = colour


# --- the drawings, in 16 units --------------------------------------------------------

def program_picture(size: int = SIZE) -> Canvas:
    """A menu card: a blue frame with three light lines."""
    p = Pen(size)
    p.box(1, 1, 14, 14, (32, 64, 160))
    for row in (4, 7, 10):
        p.box(4, row, 11, row, (250, 240, 170))
    return p.c


def settings_picture(size: int = SIZE) -> Canvas:
    """A cog: a grey ring with four teeth."""
    p = Pen(size)
    p.disc(8, 8, 5.5, (96, 96, 104), inner=2.2)
    for x0, y0, x1, y1 in ((7, 0, 8, 2), (7, 13, 8, 15), (0, 7, 2, 8), (13, 7, 15, 8)):
        p.box(x0, y0, x1, y1, (96, 96, 104))
    return p.c


def edit_picture(size: int = SIZE) -> Canvas:
    """A yellow pencil with a dark tip."""
    p = Pen(size)
    p.line(4, 12, 13, 3, (230, 180, 40), width=3)
    p.line(2, 14, 4, 12, (60, 50, 40), width=2)
    return p.c


def about_picture(size: int = SIZE) -> Canvas:
    """A blue disc with an 'i'."""
    p = Pen(size)
    p.disc(8, 8, 7.5, (40, 90, 200))
    p.glyph(7, 3, ["##", "  ", "##", "##", "##", "##", "##", "##"], (250, 250, 250))
    return p.c


def help_picture(size: int = SIZE) -> Canvas:
    """A green disc with a question mark."""
    p = Pen(size)
    p.disc(8, 8, 7.5, (30, 140, 60))
    p.glyph(5, 3, [" #### ", "##  ##", "    ##", "   ## ", "  ##  ", "  ##  ", "      ",
                   "  ##  "], (250, 250, 250))
    return p.c


def warning_picture(size: int = SIZE) -> Canvas:
    """A yellow triangle with a dark edge and a black exclamation mark."""
    p = Pen(size)
    s = p.s
    for y, row in enumerate(p.c):
        for x in range(len(row)):
            # Distance inside the triangle with corners (8, 1), (0.5, 15), (15.5, 15), in units.
            u, v = (x + 0.5) / s, (y + 0.5) / s
            inside = min(15 - v, (v - 1) - 2 * abs(u - 8) * 14 / 15)
            if inside >= 0:
                row[x] = (250, 200, 30) if inside >= 1.2 else (120, 90, 0)
    p.box(7, 5, 8, 10, (0, 0, 0))
    p.box(7, 12, 8, 13, (0, 0, 0))
    return p.c


def exit_picture(size: int = SIZE) -> Canvas:
    """A cross; black where opaque, as the one bitmap is picture and mask at once."""
    p = Pen(size)
    p.line(3, 3, 11, 11, (0, 0, 0), width=2)
    p.line(11, 3, 3, 11, (0, 0, 0), width=2)
    return p.c


def check_mark(size: int = SIZE) -> Canvas:
    """A black tick: the one bitmap is picture and mask."""
    p = Pen(size)
    p.line(3, 8, 6, 11, (0, 0, 0), width=2)
    p.line(6, 11, 12, 4, (0, 0, 0), width=2)
    return p.c


# --- bitmap files --------------------------------------------------------------------

def bmp(width: int, height: int, bits: int, rows: list[bytes], palette: bytes = b"") -> bytes:
    """A bottom-up BI_RGB bitmap file; rows are top-down and already padded."""
    data = b"".join(reversed(rows))
    header_size = 14 + 40 + len(palette)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(data), 2835, 2835,
                       len(palette) // 4, 0)
    return struct.pack("<2sIHHI", b"BM", header_size + len(data), 0, 0, header_size) + info + \
        palette + data


def pad(row: bytes) -> bytes:
    return row + b"\0" * (-len(row) % 4)


def colour_of(pixel) -> tuple[int, int, int]:
    return WHITE if pixel is None else pixel


def bmp16(c: Canvas) -> bytes:
    """16-bit colour (5 bits per channel)."""
    rows = []
    for row in c:
        words = []
        for p in row:
            r, g, b = colour_of(p)
            words.append(((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3))
        rows.append(pad(struct.pack(f"<{len(words)}H", *words)))
    return bmp(len(c[0]), len(c), 16, rows)


def bmp24(c: Canvas) -> bytes:
    rows = [pad(b"".join(bytes(reversed(colour_of(p))) for p in row)) for row in c]
    return bmp(len(c[0]), len(c), 24, rows)


def bmp1(opaque: list[list[bool]]) -> bytes:
    """Monochrome: bit 0 is black (the palette's first entry), bit 1 white."""
    size = len(opaque)
    rows = []
    for row in opaque:
        bits = "".join("0" if dark else "1" for dark in row)
        bits = bits.ljust(-(-size // 8) * 8, "1")
        rows.append(pad(int(bits, 2).to_bytes(len(bits) // 8, "big")))
    palette = bytes([0, 0, 0, 0, 255, 255, 255, 0])
    return bmp(size, size, 1, rows, palette)


def opacity(c: Canvas) -> list[list[bool]]:
    return [[p is not None for p in row] for row in c]


# --- icon and skins ------------------------------------------------------------------

def ico(sizes: list[int]) -> bytes:
    """An icon file of 32-bit images with an AND mask that agrees with their alpha."""
    images = []
    for size in sizes:
        c = program_picture(size)
        xor = b"".join(
            b"".join(bytes([*reversed(p), 255]) if p else b"\0\0\0\0" for p in row)
            for row in reversed(c))
        and_rows = []
        for row in reversed(c):
            bits = "".join("0" if p else "1" for p in row)
            and_rows.append(pad(int(bits, 2).to_bytes(size // 8, "big")))
        header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 32, 0, 0, 0, 0, 0, 0)
        images.append(header + xor + b"".join(and_rows))
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip(sizes, images):
        directory += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    return directory + b"".join(images)


def skin_background() -> Canvas:
    """White, with a light grey band behind the icon column. The pattern lines up with the menu
    window, whose items begin a few pixels in (3 under Wine), so the band reaches past the
    20-pixel icon cell of an item that starts at 0."""
    c = blank(613, 4)
    for row in c:
        for x in range(613):
            row[x] = (236, 236, 236) if x < 23 else WHITE
    return c


def skin_selected() -> Canvas:
    """Light blue with a diagonal pattern (a seam between two items would show), dark enough
    for the sample menu's white text of the selected item."""
    c = blank(28, 20)
    for y, row in enumerate(c):
        for x in range(28):
            row[x] = (156, 190, 238) if (x + y) % 7 < 2 else (128, 168, 228)
    return c


def main() -> None:
    pictures = {
        "kov": program_picture, "settings": settings_picture, "edit": edit_picture,
        "about": about_picture, "help": help_picture, "warn": warning_picture,
    }
    outputs = {}
    for size in SIZES:
        suffix = "" if size == SIZE else str(size)
        for name, draw in pictures.items():
            canvas = draw(size)
            outputs[f"{name}pic{suffix}.bmp"] = bmp16(canvas)
            outputs[f"{name}mask{suffix}.bmp"] = bmp1(opacity(canvas))
        outputs[f"exit{suffix}.bmp"] = bmp1(opacity(exit_picture(size)))
        outputs[f"checkmark{suffix}.bmp"] = bmp24(check_mark(size))
    outputs["kov.ico"] = ico([32, 16])
    outputs["skin_background.bmp"] = bmp24(skin_background())
    outputs["skin_selected.bmp"] = bmp24(skin_selected())
    for name, data in outputs.items():
        (HERE / name).write_bytes(data)


if __name__ == "__main__":
    main()
