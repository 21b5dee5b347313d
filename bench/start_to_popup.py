#!/usr/bin/env python3
"""Start-to-popup time of KOV.exe (with the sample menu) against the floor program.

    bench/start_to_popup.py [--build build/win64] [--runs 10] [--menu FILE]
                            [--baseline OTHER.exe] [--baseline-menu FILE] [--in-front PROGRAM]

With --baseline, another build of KOV (with --baseline-menu, or the same menu file) takes the
floor's place: two builds, or two menu files, measured against each other. With --in-front,
a program of the prefix (notepad.exe) is started first and kept, so that every start is made over
its window.

The floor (bench/floor_popup.cpp) only creates a window and pops up a one-item menu, so
the ratio KOV/floor is KOV's own start-up cost on top of Wine's process start. The two are
measured alternately in one Wine session, after warm-up runs, so that drift of the machine
touches both alike. The time is from process start until the popup's X window is mapped,
polled every millisecond or so through Xlib (no helper process per probe). Beside it, the
processor time the program and its Wine session's server spent until then, which a machine
shared with other work disturbs far less than the time on the clock.
"""

from __future__ import annotations

import argparse
import glob
import os
import ctypes
import ctypes.util
import statistics
import subprocess
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parents[1]
sys.path.insert(0, str(ROOT / "tests" / "e2e"))

import harness  # noqa: E402  (found through the path set just above)

POPUP_DEADLINE = 20.0
SAMPLE = (ROOT / "tests" / "data" / "sample.mnu").read_bytes()


class XWindowAttributes(ctypes.Structure):
    _fields_ = [("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int),
                ("height", ctypes.c_int), ("border_width", ctypes.c_int), ("depth", ctypes.c_int),
                ("visual", ctypes.c_void_p), ("root", ctypes.c_ulong), ("c_class", ctypes.c_int),
                ("bit_gravity", ctypes.c_int), ("win_gravity", ctypes.c_int),
                ("backing_store", ctypes.c_int), ("backing_planes", ctypes.c_ulong),
                ("backing_pixel", ctypes.c_ulong), ("save_under", ctypes.c_int),
                ("colormap", ctypes.c_ulong), ("map_installed", ctypes.c_int),
                ("map_state", ctypes.c_int), ("all_event_masks", ctypes.c_long),
                ("your_event_mask", ctypes.c_long), ("do_not_propagate_mask", ctypes.c_long),
                ("override_redirect", ctypes.c_int), ("screen", ctypes.c_void_p)]


class XClassHint(ctypes.Structure):
    # Raw pointers: Xlib owns the strings and they must go back to XFree.
    _fields_ = [("res_name", ctypes.c_void_p), ("res_class", ctypes.c_void_p)]


IS_VIEWABLE = 2
# Windows vanish between XQueryTree and the next request; Xlib's default handler would
# end this process on the BadWindow error that follows.
X_ERROR_HANDLER = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)(
    lambda display, event: 0)


class PopupWatcher:
    """Finds a mapped window of a given X class among the virtual desktop's children."""

    def __init__(self) -> None:
        self.x = ctypes.CDLL(ctypes.util.find_library("X11"))
        self.x.XOpenDisplay.restype = ctypes.c_void_p
        self.x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.x.XQueryTree.argtypes = [ctypes.c_void_p, ctypes.c_ulong] + [ctypes.c_void_p] * 3 + [
            ctypes.POINTER(ctypes.c_uint)]
        self.x.XGetWindowAttributes.argtypes = [ctypes.c_void_p, ctypes.c_ulong,
                                                ctypes.POINTER(XWindowAttributes)]
        self.x.XGetClassHint.argtypes = [ctypes.c_void_p, ctypes.c_ulong,
                                         ctypes.POINTER(XClassHint)]
        self.x.XFree.argtypes = [ctypes.c_void_p]
        self.x.XSetErrorHandler(X_ERROR_HANDLER)
        self.display = self.x.XOpenDisplay(None)
        if not self.display:
            raise RuntimeError("cannot open the X display")
        self.desktop = harness.desktop_window()

    def _children(self) -> list[int]:
        root, parent = ctypes.c_ulong(), ctypes.c_ulong()
        children = ctypes.POINTER(ctypes.c_ulong)()
        count = ctypes.c_uint()
        if not self.x.XQueryTree(self.display, self.desktop, ctypes.byref(root),
                                 ctypes.byref(parent), ctypes.byref(children),
                                 ctypes.byref(count)):
            return []
        found = [children[i] for i in range(count.value)]
        if children:
            self.x.XFree(children)
        return found

    def _class(self, window: int) -> bytes:
        # Not cached: X reuses the window ids of programs that ended.
        hint = XClassHint()
        name = b""
        if self.x.XGetClassHint(self.display, window, ctypes.byref(hint)):
            if hint.res_class:
                name = ctypes.string_at(hint.res_class).lower()
            for text in (hint.res_name, hint.res_class):
                if text:
                    self.x.XFree(text)
        return name

    def mapped_window(self, exe_name: str) -> int:
        """A mapped X window of the program; 0 for none."""
        wanted = exe_name.lower().encode()
        attributes = XWindowAttributes()
        for window in self._children():
            if (self.x.XGetWindowAttributes(self.display, window, ctypes.byref(attributes))
                    and attributes.map_state == IS_VIEWABLE and self._class(window) == wanted):
                return window
        return 0

    def mapped(self, exe_name: str) -> bool:
        return self.mapped_window(exe_name) != 0


def processor_time(pid: int) -> int:
    """Nanoseconds on a processor, all threads of the process together (0 once it is gone)."""
    total = 0
    for stat in glob.glob(f"/proc/{pid}/task/*/schedstat"):
        try:
            total += int(Path(stat).read_text().split()[0])
        except (OSError, ValueError, IndexError):
            pass
    return total


def wine_server() -> int:
    """The process id of this session's wineserver, which does part of every program's work."""
    wanted = f"WINEPREFIX={os.environ['WINEPREFIX']}".encode()
    for environ in glob.glob("/proc/[0-9]*/environ"):
        try:
            if (Path(environ).with_name("comm").read_text().startswith("wineserver")
                    and wanted in Path(environ).read_bytes().split(b"\0")):
                return int(Path(environ).parent.name)
        except OSError:
            pass
    return 0


def start_to_popup(folder: harness.ProgramFolder, watcher: PopupWatcher,
                   server: int) -> tuple[float, float]:
    """One timed start, as seconds on the clock and on a processor; the popup is dismissed with
    Escape and the program waited for."""
    served = processor_time(server)
    start = time.perf_counter()
    run = folder.start()
    harness.poll(lambda: watcher.mapped(folder.exe_name), POPUP_DEADLINE,
                 f"the popup of {folder.exe_name}", interval=0.001)
    elapsed = time.perf_counter() - start
    busy = processor_time(run.process.pid) + processor_time(server) - served
    harness.send_keys("Escape")
    run.wait_exit()
    return elapsed, busy / 1e9


def main(argv: list[str]) -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default=str(ROOT / "build" / "win64"))
    parser.add_argument("--runs", type=int, default=20, help="timed runs of each program")
    parser.add_argument("--warmup", type=int, default=2, help="untimed runs of each first")
    parser.add_argument("--kov", help="the program to time as KOV.exe (default: the build's)")
    parser.add_argument("--menu", help="its menu file (default: the sample)")
    parser.add_argument("--baseline", help="a KOV.exe to time instead of the floor")
    parser.add_argument("--baseline-menu", help="the baseline's menu file (default: --menu)")
    parser.add_argument("--in-front", help="a program whose window is in front at every start")
    args = parser.parse_args(argv)
    os.environ["KOV_BUILD_DIR"] = str(Path(args.build).resolve())
    status = harness.run_in_session(Path(__file__), argv)
    if status is not None:
        return status

    harness.move_mouse(200, 150)
    in_front = None
    if args.in_front:
        in_front = subprocess.Popen([os.environ["WINE"], args.in_front], stdin=subprocess.DEVNULL,
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        harness.poll(lambda: harness.visible_windows(Path(args.in_front).name), POPUP_DEADLINE,
                     f"the window of {args.in_front}")
    kov = harness.ProgramFolder(exe=Path(args.kov) if args.kov else None)
    menu = Path(args.menu).read_bytes() if args.menu else SAMPLE
    if args.baseline:
        # Named apart, so that the one-instance rule and the popup's X class tell them apart.
        floor = harness.ProgramFolder(exe=Path(args.baseline), exe_name="Baseline.exe")
        floor.write(floor.menu_file.name,
                    Path(args.baseline_menu).read_bytes() if args.baseline_menu else menu)
    else:
        floor = harness.ProgramFolder(exe=harness.helper_exe("floor_popup"),
                                      exe_name="floor_popup.exe")
    try:
        kov.write(kov.menu_file.name, menu)
        watcher = PopupWatcher()
        server = wine_server()
        times: dict[str, list[float]] = {"KOV": [], "floor": []}
        busy: dict[str, list[float]] = {"KOV": [], "floor": []}
        pair = [("KOV", kov), ("floor", floor)]
        for i in range(args.warmup + args.runs):
            # Each goes first half of the time: the first of a pair meets a quieter machine.
            for name, folder in pair if i % 2 == 0 else pair[::-1]:
                elapsed, processor = start_to_popup(folder, watcher, server)
                if i >= args.warmup:
                    times[name].append(elapsed)
                    busy[name].append(processor)
    finally:
        kov.close()
        floor.close()
        if in_front:
            in_front.kill()
            in_front.wait(timeout=10)

    for name, values in times.items():
        print(f"{name:5} start to popup: median {statistics.median(values) * 1000:7.1f} ms "
              f"(min {min(values) * 1000:.1f}, max {max(values) * 1000:.1f}, n={len(values)})")
    ratio = statistics.median(times["KOV"]) / statistics.median(times["floor"])
    print(f"ratio KOV/floor: {ratio:.3f} (of the medians)")
    # The fastest runs are the least disturbed by other work on the machine.
    print(f"ratio KOV/floor: {min(times['KOV']) / min(times['floor']):.3f} (of the minimums)")
    for name, values in busy.items():
        print(f"{name:5} processor time to popup: median {statistics.median(values) * 1000:7.1f} ms")
    print(f"ratio KOV/floor: {statistics.median(busy['KOV']) / statistics.median(busy['floor']):.3f}"
          " (of the medians of processor time)")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
