#!/usr/bin/env python3
"""Writes the program's pictures into resources/: the twelve 16x16 bitmaps of the program
submenu and the check mark, the program icon and the two default skins.

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
WHITE = (255, 255, 255)

Canvas = list  # rows of None (transparent) or (r, g, b)


def blank(width: int = SIZE, height: int = SIZE) -> Canvas:
    return [[None] * width for _ in range(height)]


def disc(c: Canvas, cx: float, cy: float, r: float, colour, inner: float = -1.0) -> None:
    for y, row in enumerate(c):
        for x in range(len(row)):
            d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
            if inner < d <= r:
                row[x] = colour


def box(c: Canvas, x0: int, y0: int, x1: int, y1: int, colour) -> None:
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            c[y][x] = colour


def glyph(c: Canvas, x0: int, y0: int, rows: list[str], colour) -> None:
    for dy, line in enumerate(rows):
        for dx, ch in enumerate(line):
            if ch == "#":
                c[y0 + dy][x0 + dx] = colour


def line(c: Canvas, x0: int, y0: int, x1: int, y1: int, colour, width: int = 1) -> None:
    steps = max(abs(x1 - x0), abs(y1 - y0))
    for i in range(steps + 1):
        x = round(x0 + (x1 - x0) * i / steps)
        y = round(y0 + (y1 - y0) * i / steps)
        for w in range(width):
            if 0 <= x + w < len(c[0]):
                c[y][x + w] = colour


# --- the drawings --------------------------------------------------------------------

def program_picture(size: int = SIZE) -> Canvas:
    """A menu card: a blue frame with three light lines."""
    c = blank(size, size)
    s = size / 16
    box(c, round(1 * s), round(1 * s), round(14 * s), round(14 * s), (32, 64, 160))
    for row in (4, 7, 10):
        box(c, round(4 * s), round(row * s), round(11 * s), round(row * s + s - 1), (250, 240, 170))
    return c


def settings_picture() -> Canvas:
    """A cog: a grey ring with four teeth."""
    c = blank()
    disc(c, 8, 8, 5.5, (96, 96, 104), inner=2.2)
    for x0, y0, x1, y1 in ((7, 0, 8, 2), (7, 13, 8, 15), (0, 7, 2, 8), (13, 7, 15, 8)):
        box(c, x0, y0, x1, y1, (96, 96, 104))
    return c


def edit_picture() -> Canvas:
    """A yellow pencil with a dark tip."""
    c = blank()
    line(c, 4, 12, 13, 3, (230, 180, 40), width=3)
    line(c, 2, 14, 4, 12, (60, 50, 40), width=2)
    return c


def about_picture() -> Canvas:
    """A blue disc with an 'i'."""
    c = blank()
    disc(c, 8, 8, 7.5, (40, 90, 200))
    glyph(c, 7, 3, ["##", "  ", "##", "##", "##", "##", "##", "##"], (250, 250, 250))
    return c


def help_picture() -> Canvas:
    """A green disc with a question mark."""
    c = blank()
    disc(c, 8, 8, 7.5, (30, 140, 60))
    glyph(c, 5, 3, [" #### ", "##  ##", "    ##", "   ## ", "  ##  ", "  ##  ", "      ",
                    "  ##  "], (250, 250, 250))
    return c


def exit_picture() -> Canvas:
    """A cross; black where opaque, as the one bitmap is picture and mask at once."""
    c = blank()
    line(c, 3, 3, 11, 11, (0, 0, 0), width=2)
    line(c, 11, 3, 3, 11, (0, 0, 0), width=2)
    return c


def check_mark() -> Canvas:
    """A black tick: the one bitmap is picture and mask."""
    c = blank()
    line(c, 3, 8, 6, 11, (0, 0, 0), width=2)
    line(c, 6, 11, 12, 4, (0, 0, 0), width=2)
    return c


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
    rows = []
    for row in opaque:
        value = 0
        for x, dark in enumerate(row):
            if not dark:
                value |= 1 << (15 - x)
        rows.append(pad(struct.pack(">H", value)))
    palette = bytes([0, 0, 0, 0, 255, 255, 255, 0])
    return bmp(SIZE, SIZE, 1, rows, palette)


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
        "kov": program_picture(), "settings": settings_picture(), "edit": edit_picture(),
        "about": about_picture(), "help": help_picture(),
    }
    outputs = {}
    for name, canvas in pictures.items():
        outputs[f"{name}pic.bmp"] = bmp16(canvas)
        outputs[f"{name}mask.bmp"] = bmp1(opacity(canvas))
    outputs["exit.bmp"] = bmp1(opacity(exit_picture()))
    outputs["checkmark.bmp"] = bmp24(check_mark())
    outputs["kov.ico"] = ico([32, 16])
    outputs["skin_background.bmp"] = bmp24(skin_background())
    outputs["skin_selected.bmp"] = bmp24(skin_selected())
    for name, data in outputs.items():
        (HERE / name).write_bytes(data)


if __name__ == "__main__":
    main()
