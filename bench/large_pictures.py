#!/usr/bin/env python3
"""A popup of 200 items, each with a PNG picture of its own of 1,024 x 1,024 pixels: how soon it
answers and how much memory the program takes, against the same menu without pictures.

    bench/large_pictures.py [--build build/win64] [--runs 3] [--warmup 1]

Each run starts KOV and times, from the start, the popup's X window being mapped and the popup
answering a Down key (its pixels change); then it waits until the popup has been still for a
second (the pictures in view decoded and painted), notes the program's peak resident memory
(VmHWM of its process), and ends it with Escape.
"""

from __future__ import annotations

import struct
import sys
import time
import zlib
from pathlib import Path

ROOT = Path(__file__).resolve().parents[1]
sys.path.insert(0, str(ROOT / "tests" / "e2e"))
sys.path.insert(0, str(ROOT / "bench"))

import harness  # noqa: E402
from harness import menu  # noqa: E402
from folder_menus import alternately, arguments, report  # noqa: E402
from selection_moves import Popup, press  # noqa: E402
from start_to_popup import POPUP_DEADLINE, PopupWatcher  # noqa: E402

ITEMS = 200
SIDE = 1024


def png(index: int) -> bytes:
    """A picture of its own for each index: a gradient of the index's colour, shifted by row."""
    def chunk(kind: bytes, data: bytes) -> bytes:
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    row = bytes(v for x in range(SIDE) for v in ((x + index) % 256, (3 * index) % 256,
                                                 (x * 7) % 256, 255))
    rows = b"".join(b"\0" + row[4 * y:] + row[:4 * y] for y in range(SIDE))
    header = struct.pack(">IIBBBBB", SIDE, SIDE, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(rows, 1))
            + chunk(b"IEND", b""))


def peak_memory_mb(pid: int) -> float:
    for line in Path(f"/proc/{pid}/status").read_text().splitlines():
        if line.startswith("VmHWM:"):
            return int(line.split()[1]) / 1024
    return 0.0


def one_run(folder: harness.ProgramFolder, watcher: PopupWatcher) -> tuple[float, float, float]:
    start = time.perf_counter()
    run = folder.start()
    popup = Popup(watcher, folder.exe_name)
    mapped = time.perf_counter() - start
    before = popup.pixels()
    press("Down", 1)
    harness.poll(lambda: popup.pixels() != before, POPUP_DEADLINE, "the popup to answer",
                 interval=0.001)
    answered = time.perf_counter() - start
    popup.still()
    (pid,) = harness.session_programs(folder.exe_name)
    memory = peak_memory_mb(pid)
    press("Escape", 1)
    run.wait_exit()
    return mapped, answered, memory


def main(argv: list[str]) -> int:
    args, status = arguments(__doc__, __file__, argv)
    if status is not None:
        return status

    harness.move_mouse(20, 20)
    folders = {"pictures": harness.ProgramFolder(), "plain": harness.ProgramFolder()}
    results: dict[str, list[tuple[float, float, float]]] = {name: [] for name in folders}
    try:
        lines, items = ["@NoProgramMenu 1"], []
        for i in range(ITEMS):
            path = folders["pictures"].write(f"pic{i:03}.png", png(i))
            lines.append(f"@CustomIcon Item {i:03}|{harness.windows_path(path)}")
            items.append(f"Item {i:03}\tnotepad.exe")
        folders["pictures"].write("KOV.mnu", menu(*lines, *items))
        folders["plain"].write("KOV.mnu", menu(lines[0], *items))
        watcher = PopupWatcher()
        for name, counts in alternately(args, folders):
            result = one_run(folders[name], watcher)
            if counts:
                results[name].append(result)
    finally:
        for folder in folders.values():
            folder.close()

    for name, runs in results.items():
        report(f"{name}: start to popup", [r[0] for r in runs])
        report(f"{name}: start to answering a key", [r[1] for r in runs])
        print(f"{name}: peak resident memory {max(r[2] for r in runs):.0f} MB")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
