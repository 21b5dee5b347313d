#!/usr/bin/env python3
"""Moving the selection through a popup of 60 items with PNG pictures, against the same moves
through the same menu without pictures, and the program's GUI objects meanwhile.

    bench/selection_moves.py [--build build/win64] [--runs 10] [--warmup 2]

Each run starts KOV, waits for its popup to be painted and still, then:
1. one Down, and the program's GDI and USER objects once the popup is still again
   (tests/e2e's gui_objects.exe, which asks from outside);
2. 199 Downs more, and the objects again: after 200 moves they should be what they were after
   the first;
3. timed: 200 Downs and an Escape in one go, from sending them until the popup is gone, which
   is when the menu has handled every key before the Escape (keys are handled in order); beside
   the time on the clock, the processor time the program, its Wine session's server and the X
   server spent meanwhile, which other work on a shared machine disturbs far less.
The two menus are run alternately in one Wine session, after warm-up runs.
"""

from __future__ import annotations

import ctypes
import os
import struct
import subprocess
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
from start_to_popup import (POPUP_DEADLINE, PopupWatcher, XWindowAttributes,  # noqa: E402
                            processor_time, wine_server)

ITEMS = 60
MOVES = 200
# The popup is still when its pixels have not changed for this long.
STILL = 0.4


class XImage(ctypes.Structure):
    # The leading fields only; the image is read through Xlib's pointer.
    _fields_ = [(name, ctypes.c_int) for name in ("width", "height", "xoffset", "format")] + [
        ("data", ctypes.c_void_p)] + [(name, ctypes.c_int) for name in (
            "byte_order", "bitmap_unit", "bitmap_bit_order", "bitmap_pad", "depth",
            "bytes_per_line", "bits_per_pixel")]


class Popup:
    """The pixels of a program's popup, read straight from the X server."""

    def __init__(self, watcher: PopupWatcher, exe_name: str) -> None:
        self.watcher, self.exe_name = watcher, exe_name
        x = watcher.x
        x.XGetImage.restype = ctypes.POINTER(XImage)
        x.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                                ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        self.window = harness.poll(lambda: watcher.mapped_window(exe_name), POPUP_DEADLINE,
                                   f"the popup of {exe_name}", interval=0.001)

    def pixels(self) -> bytes:
        x, display = self.watcher.x, self.watcher.display
        attributes = XWindowAttributes()
        if not x.XGetWindowAttributes(display, self.window, ctypes.byref(attributes)):
            return b""
        image = x.XGetImage(display, self.window, 0, 0, attributes.width, attributes.height,
                            0xFFFFFFFF, 2)  # all planes, ZPixmap
        if not image:
            return b""
        data = ctypes.string_at(image.contents.data,
                                image.contents.bytes_per_line * image.contents.height)
        x.XFree(ctypes.c_void_p(image.contents.data))
        x.XFree(image)
        return data

    def still(self) -> bytes:
        last, since = self.pixels(), time.perf_counter()
        deadline = since + POPUP_DEADLINE
        while time.perf_counter() - since < STILL:
            if time.perf_counter() > deadline:
                raise TimeoutError("the popup kept changing")
            time.sleep(0.01)
            now = self.pixels()
            if now != last:
                last, since = now, time.perf_counter()
        return last

    def gone(self) -> bool:
        return self.watcher.mapped_window(self.exe_name) != self.window


def press(key: str, times: int) -> None:
    subprocess.run(["xdotool", "windowfocus", str(harness.desktop_window()), "key", "--delay",
                    "0", *([key] * times)], check=True, timeout=60, capture_output=True)


def gui_objects(exe_name: str) -> str:
    return subprocess.run([os.environ["WINE"], str(harness.helper_exe("gui_objects")), exe_name],
                          check=True, capture_output=True, text=True, timeout=60).stdout.strip()


def png(side: int, colour: tuple[int, int, int]) -> bytes:
    """A square of the colour on a transparent ground, with a soft edge."""
    def chunk(kind: bytes, data: bytes) -> bytes:
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    rows = b""
    for y in range(side):
        rows += b"\0"
        for x in range(side):
            edge = min(x, y, side - 1 - x, side - 1 - y)
            rows += bytes(colour) + bytes([min(255, 85 * edge)])
    header = struct.pack(">IIBBBBB", side, side, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(rows))
            + chunk(b"IEND", b""))


def menus(folder: harness.ProgramFolder, pictures: bool) -> None:
    """60 items in two columns; with pictures each has a PNG of its own."""
    lines = ["@NoProgramMenu 1"]
    items = []
    for i in range(ITEMS):
        caption = f"Item {i:02}"
        if pictures:
            path = folder.write(f"pic{i:02}.png", png(16, (4 * i, 255 - 4 * i, (97 * i) % 256)))
            lines.append(f"@CustomIcon {caption}|{harness.windows_path(path)}")
        items.append(("|" if i == ITEMS // 2 else "") + f"{caption}\tnotepad.exe")
    folder.write(folder.menu_file.name, menu(*lines, *items))


def one_run(folder: harness.ProgramFolder, watcher: PopupWatcher,
            servers: list[int]) -> tuple[float, float, str, str]:
    """The timed moves on the clock and on processors, and the objects after the first move
    and after 200."""
    run = folder.start()
    popup = Popup(watcher, folder.exe_name)
    before = popup.still()
    press("Down", 1)
    harness.poll(lambda: popup.pixels() != before, POPUP_DEADLINE, "the first move",
                 interval=0.001)
    popup.still()
    first = gui_objects(folder.exe_name)
    press("Down", MOVES - 1)
    popup.still()
    after = gui_objects(folder.exe_name)
    processes = [*harness.session_programs(folder.exe_name), *servers]
    busy = sum(map(processor_time, processes))
    start = time.perf_counter()
    press("Down", MOVES)
    press("Escape", 1)
    harness.poll(popup.gone, POPUP_DEADLINE, "the popup to close", interval=0.001)
    elapsed = time.perf_counter() - start
    busy = sum(map(processor_time, processes)) - busy
    run.wait_exit()
    return elapsed, busy / 1e9, first, after


def main(argv: list[str]) -> int:
    args, status = arguments(__doc__, __file__, argv)
    if status is not None:
        return status

    harness.move_mouse(100, 50)
    folders = {"pictures": harness.ProgramFolder(), "plain": harness.ProgramFolder()}
    times: dict[str, list[float]] = {name: [] for name in folders}
    busy: dict[str, list[float]] = {name: [] for name in folders}
    objects: dict[str, set[tuple[str, str]]] = {name: set() for name in folders}
    try:
        for name, folder in folders.items():
            menus(folder, name == "pictures")
        watcher = PopupWatcher()
        servers = [wine_server(), int(os.environ["KOV_XVFB_PID"])]
        for name, counts in alternately(args, folders):
            elapsed, processor, first, after = one_run(folders[name], watcher, servers)
            objects[name].add((first, after))
            if counts:
                times[name].append(elapsed)
                busy[name].append(processor)
    finally:
        for folder in folders.values():
            folder.close()

    with_pictures = report(f"{MOVES} moves and Escape, pictures", times["pictures"])
    without = report(f"{MOVES} moves and Escape, none", times["plain"])
    print(f"ratio moves with/without pictures: {with_pictures / without:.3f} (of the medians)")
    print(f"ratio moves with/without pictures: "
          f"{min(times['pictures']) / min(times['plain']):.3f} (of the minimums)")
    with_busy = report("processor time, pictures", busy["pictures"])
    without_busy = report("processor time, none", busy["plain"])
    print(f"ratio moves with/without pictures: {with_busy / without_busy:.3f}"
          " (of the medians of processor time)")
    for name, seen in objects.items():
        for first, after in sorted(seen):
            print(f"{name:8} objects after the first move: {first}; after {MOVES}: {after}"
                  f"{'' if first == after else '  DIFFERENT'}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
