#!/usr/bin/env python3
"""Folder menus on a large tree under Wine: what they cost the popup and one submenu.

    bench/folder_menus.py [--build build/win64] [--runs 10]

On a generated tree of 50,000 files in 5,000 folders (and a folder "big" of 1,000 files):
1. start to popup of a menu with a folder menu on the tree's root, against the same menu
   without that line;
2. opening the submenu of "big" (from the key that opens it until its popup is mapped),
   against `cmd /c dir /b` of that folder in the same prefix;
3. in-process (bench/folder_reading.cpp): reading every folder of the tree, which is what
   building the whole tree before the popup cost, and reading "big" alone.
Pairs are measured alternately in one Wine session after warm-up runs.
"""

from __future__ import annotations

import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path
from typing import Iterator, Optional

ROOT = Path(__file__).resolve().parents[1]
sys.path.insert(0, str(ROOT / "tests" / "e2e"))
sys.path.insert(0, str(ROOT / "bench"))

import harness  # noqa: E402
from harness import menu  # noqa: E402
from start_to_popup import POPUP_DEADLINE, IS_VIEWABLE, PopupWatcher, XWindowAttributes, start_to_popup, wine_server  # noqa: E402


class CountingWatcher(PopupWatcher):
    def count(self, exe_name: str) -> int:
        wanted = exe_name.lower().encode()
        attributes = XWindowAttributes()
        return sum(1 for window in self._children()
                   if self.x.XGetWindowAttributes(self.display, window, attributes)
                   and attributes.map_state == IS_VIEWABLE and self._class(window) == wanted)


def make_tree(root: Path) -> None:
    """50 folders of 99 subfolders each (5,000 folders with the first level), 10 files in
    each folder, and "big" with 1,000 files."""
    for top in range(50):
        for sub in range(100):
            folder = root / f"top{top:02}" / (f"sub{sub:02}" if sub else "")
            folder.mkdir(parents=True, exist_ok=True)
            for i in range(10):
                (folder / f"file{i}.txt").touch()
    (root / "big").mkdir()
    for i in range(1000):
        (root / "big" / f"entry{i:04}.txt").touch()


def open_submenu(folder: harness.ProgramFolder, watcher: CountingWatcher) -> float:
    run = folder.start()
    harness.poll(lambda: watcher.count(folder.exe_name) >= 1, POPUP_DEADLINE, "the popup",
                 interval=0.001)
    harness.send_keys("Down")
    start = time.perf_counter()
    harness.send_keys("Right")
    harness.poll(lambda: watcher.count(folder.exe_name) >= 2, POPUP_DEADLINE, "the submenu",
                 interval=0.001)
    elapsed = time.perf_counter() - start
    harness.send_keys("Escape", "Escape")
    run.wait_exit()
    return elapsed


def dir_listing(path: str) -> float:
    start = time.perf_counter()
    subprocess.run([os.environ["WINE"], "cmd", "/c", "dir", "/b", path], check=True,
                   capture_output=True, timeout=60)
    return time.perf_counter() - start


def report(name: str, values: list[float]) -> float:
    median = statistics.median(values)
    print(f"{name:34} median {median * 1000:8.1f} ms (min {min(values) * 1000:.1f}, "
          f"max {max(values) * 1000:.1f}, n={len(values)})")
    return median


def alternately(args: argparse.Namespace, names) -> Iterator[tuple[str, bool]]:
    """The names in turn, their order reversed every other round, warm-up rounds first: each
    with whether its measurement counts."""
    names = list(names)
    for i in range(args.warmup + args.runs):
        for name in names if i % 2 == 0 else names[::-1]:
            yield name, i >= args.warmup


def arguments(doc: str, script: str, argv: list[str]) -> tuple[argparse.Namespace, Optional[int]]:
    """The options of a benchmark of pairs, and the status of its run inside a Wine session
    when this call started one (None inside it)."""
    parser = argparse.ArgumentParser(description=doc.splitlines()[0])
    parser.add_argument("--build", default=str(ROOT / "build" / "win64"))
    parser.add_argument("--runs", type=int, default=10)
    parser.add_argument("--warmup", type=int, default=2)
    args = parser.parse_args(argv)
    os.environ["KOV_BUILD_DIR"] = str(Path(args.build).resolve())
    return args, harness.run_in_session(Path(script), argv)


def main(argv: list[str]) -> int:
    args, status = arguments(__doc__, __file__, argv)
    if status is not None:
        return status

    harness.move_mouse(200, 150)
    tree = Path(tempfile.mkdtemp(prefix="kov-bench-tree-"))
    folders = [harness.ProgramFolder() for _ in range(3)]
    with_tree, without_tree, big = folders
    try:
        make_tree(tree)
        root, big_path = harness.windows_path(tree), harness.windows_path(tree / "big")
        without_tree.write("KOV.mnu", menu("Item\tx"))
        with_tree.write("KOV.mnu", menu("Item\tx", f"¦qTree|{root}|*"))
        big.write("KOV.mnu", menu("@NoProgramMenu 1", f"¦qBig|{big_path}|*"))
        watcher, server = CountingWatcher(), wine_server()
        times: dict[str, list[float]] = {k: [] for k in ("with", "without", "open", "dir")}
        for i in range(args.warmup + args.runs):
            pairs = [("with", lambda: start_to_popup(with_tree, watcher, server)[0]),
                     ("without", lambda: start_to_popup(without_tree, watcher, server)[0]),
                     ("open", lambda: open_submenu(big, watcher)),
                     ("dir", lambda: dir_listing(big_path))]
            if i % 2:
                pairs = [pairs[1], pairs[0], pairs[3], pairs[2]]
            for name, measure in pairs:
                elapsed = measure()
                if i >= args.warmup:
                    times[name].append(elapsed)
        reading = subprocess.run([os.environ["WINE"], str(harness.helper_exe("folder_reading")),
                                  root, big_path], check=True, capture_output=True, text=True,
                                 timeout=600).stdout.strip()
    finally:
        for folder in folders:
            folder.close()
        shutil.rmtree(tree, ignore_errors=True)

    with_ms = report("start to popup, folder menu on root", times["with"])
    without_ms = report("start to popup, without it", times["without"])
    open_ms = report("opening the 1,000-file submenu", times["open"])
    dir_ms = report("cmd /c dir /b of that folder", times["dir"])
    print(f"ratio with/without: {with_ms / without_ms:.3f}")
    print(f"ratio submenu/dir:  {open_ms / dir_ms:.3f}")
    fields = dict(item.split("=") for item in reading.split())
    print(f"in-process reading: {reading}")
    print(f"whole tree read before the popup would add {float(fields['all_ms']):.0f} ms: "
          f"ratio {(without_ms * 1000 + float(fields['all_ms'])) / (without_ms * 1000):.1f} "
          "against the popup without the folder menu")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
