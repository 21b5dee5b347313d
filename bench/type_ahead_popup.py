#!/usr/bin/env python3
"""A typed key in a folder submenu of 1,000 entries against the same key in one of 10: from the
key sent until the popup shows the new selection.

    bench/type_ahead_popup.py [--build build/win64] [--runs 10] [--warmup 2]

Each folder holds four entries that start with "a", one that starts with "t" and the rest with
"u"; listed by name, as NTFS and Wine list them, "t" is the fifth entry in both popups. Each run
starts KOV, opens the submenu with Down and Right, waits until it is painted and still, then
times "t": from sending it until a column of the submenu's pixels through every entry changes.
The two menus are run alternately in one Wine session, after warm-up runs.
"""

from __future__ import annotations

import ctypes
import shutil
import sys
import tempfile
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parents[1]
sys.path.insert(0, str(ROOT / "tests" / "e2e"))
sys.path.insert(0, str(ROOT / "bench"))

import harness  # noqa: E402
from harness import menu  # noqa: E402
from folder_menus import alternately, arguments, report  # noqa: E402
from selection_moves import XImage, press  # noqa: E402
from start_to_popup import POPUP_DEADLINE, PopupWatcher, XWindowAttributes  # noqa: E402

STILL = 0.4


def folder_of(path: Path, count: int) -> None:
    """count entries: four starting with "a", then the one starting with "t", then the rest."""
    path.mkdir()
    names = [f"a{i}" for i in range(4)] + ["t"] + [f"u{i:04}" for i in range(count - 5)]
    for name in names:
        (path / f"{name}.kovtest").write_bytes(b"x")


class Column:
    """One column of pixels through a window, read straight from the X server."""

    def __init__(self, watcher: PopupWatcher, window: int) -> None:
        self.x, self.display, self.window = watcher.x, watcher.display, window
        self.x.XGetImage.restype = ctypes.POINTER(XImage)
        self.x.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                                     ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        attributes = XWindowAttributes()
        self.x.XGetWindowAttributes(self.display, window, ctypes.byref(attributes))
        self.middle, self.height = attributes.width // 2, attributes.height

    def pixels(self) -> bytes:
        image = self.x.XGetImage(self.display, self.window, self.middle, 0, 1, self.height,
                                 0xFFFFFFFF, 2)  # all planes, ZPixmap
        if not image:
            return b""
        data = ctypes.string_at(image.contents.data,
                                image.contents.bytes_per_line * image.contents.height)
        self.x.XFree(ctypes.c_void_p(image.contents.data))
        self.x.XFree(image)
        return data

    def still(self) -> bytes:
        last, since = self.pixels(), time.perf_counter()
        while time.perf_counter() - since < STILL:
            time.sleep(0.01)
            now = self.pixels()
            if now != last:
                last, since = now, time.perf_counter()
        return last


def one_run(folder: harness.ProgramFolder, watcher: PopupWatcher) -> float:
    run = folder.start()
    root = run.wait_popup()[0]
    press("Down", 1)
    press("Right", 1)
    submenu = [w for w in run.wait_popup(count=2) if w.id != root.id][0]
    column = Column(watcher, submenu.id)
    before = column.still()
    start = time.perf_counter()
    press("t", 1)
    harness.poll(lambda: column.pixels() != before, POPUP_DEADLINE, "the new selection",
                 interval=0.0005)
    elapsed = time.perf_counter() - start
    press("Escape", 2)
    run.wait_exit()
    return elapsed


def main(argv: list[str]) -> int:
    args, status = arguments(__doc__, __file__, argv)
    if status is not None:
        return status

    harness.move_mouse(100, 50)
    trees = Path(tempfile.mkdtemp(prefix="kov-bench-typed-"))
    folders = {"1000": harness.ProgramFolder(), "10": harness.ProgramFolder()}
    times: dict[str, list[float]] = {name: [] for name in folders}
    try:
        for name, folder in folders.items():
            folder_of(trees / name, int(name))
            folder.write(folder.menu_file.name, menu(
                "@NoProgramMenu 1", f"\u00a6qDocs|{harness.windows_path(trees / name)}|*"))
        watcher = PopupWatcher()
        for name, counts in alternately(args, folders):
            elapsed = one_run(folders[name], watcher)
            if counts:
                times[name].append(elapsed)
    finally:
        for folder in folders.values():
            folder.close()
        shutil.rmtree(trees)

    big = report("key to new selection, 1,000 entries", times["1000"])
    small = report("key to new selection, 10 entries", times["10"])
    print(f"ratio 1,000/10 entries: {big / small:.3f} (of the medians)")
    print(f"ratio 1,000/10 entries: {min(times['1000']) / min(times['10']):.3f} (of the minimums)")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
