#!/usr/bin/env python3
"""The shell's icons under Wine: what they cost the popup and how soon they are all painted.

    bench/shell_icons.py [--build build/win64] [--runs 10]

1. start to popup of a 60-entry menu of the prefix's programs and of documents, with
   "@ShellIcons 1" against the same menu without it;
2. from the popup mapped on the screen to the last of its icons painted (the last change of the
   popup's pixels, read from the X server every 5 ms);
3. opening a folder submenu of 5,000 programs, with the icons against without.
Pairs are measured alternately in one Wine session after warm-up runs.
"""

from __future__ import annotations

import os
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
from folder_menus import CountingWatcher, arguments, open_submenu, report  # noqa: E402
from selection_moves import Popup  # noqa: E402
from start_to_popup import start_to_popup, wine_server  # noqa: E402

# The popup is done when its pixels have not changed for this long.
SETTLED = 1.0


def sixty_entries(documents: Path) -> list[str]:
    """40 programs of the prefix's system folder and 20 documents of 5 types, in two columns."""
    system32 = Path(os.environ["WINEPREFIX"]) / "drive_c" / "windows" / "system32"
    programs = sorted(p.name for p in system32.glob("*.exe"))[:40]
    for i in range(20):
        (documents / f"doc{i}.{('txt', 'ini', 'htm', 'bmp', 'bat')[i % 5]}").touch()
    lines = [f"{name}\tC:\\windows\\system32\\{name}" for name in programs]
    lines += [f"doc{i}\t{harness.windows_path(p)}" for i, p in
              enumerate(sorted(documents.iterdir()))]
    lines[30] = "|" + lines[30]
    return lines


def popup_to_last_paint(folder: harness.ProgramFolder, watcher: CountingWatcher) -> float:
    run = folder.start()
    popup = Popup(watcher, folder.exe_name)
    shown = time.perf_counter()
    last, changed = popup.pixels(), shown
    while time.perf_counter() - changed < SETTLED:
        time.sleep(0.005)
        pixels = popup.pixels()
        if pixels != last:
            last, changed = pixels, time.perf_counter()
    harness.send_keys("Escape")
    run.wait_exit()
    return changed - shown


def main(argv: list[str]) -> int:
    args, status = arguments(__doc__, __file__, argv)
    if status is not None:
        return status

    harness.move_mouse(200, 100)
    scratch = Path(tempfile.mkdtemp(prefix="kov-bench-icons-"))
    folders = {name: harness.ProgramFolder() for name in ("with", "without", "big+", "big-")}
    try:
        (scratch / "docs").mkdir()
        (scratch / "programs").mkdir()
        notepad = Path(os.environ["WINEPREFIX"]) / "drive_c" / "windows" / "notepad.exe"
        for i in range(5000):
            os.link(notepad, scratch / "programs" / f"program{i:04}.exe")
        entries = sixty_entries(scratch / "docs")
        programs = f"¦qPrograms|{harness.windows_path(scratch / 'programs')}|*"
        folders["with"].write("KOV.mnu", menu("@NoProgramMenu 1", "@ShellIcons 1", *entries))
        folders["without"].write("KOV.mnu", menu("@NoProgramMenu 1", *entries))
        folders["big+"].write("KOV.mnu", menu("@NoProgramMenu 1", "@ShellIcons 1", programs))
        folders["big-"].write("KOV.mnu", menu("@NoProgramMenu 1", programs))
        watcher = CountingWatcher()
        server = wine_server()
        times: dict[str, list[float]] = {k: [] for k in ("with", "without", "big+", "big-")}
        for i in range(args.warmup + args.runs):
            order = ["with", "without", "big+", "big-"]
            if i % 2:
                order = ["without", "with", "big-", "big+"]
            for name in order:
                if name.startswith("big"):
                    elapsed = open_submenu(folders[name], watcher)
                else:
                    elapsed = start_to_popup(folders[name], watcher, server)[0]
                if i >= args.warmup:
                    times[name].append(elapsed)
        painted = [popup_to_last_paint(folders["with"], watcher) for _ in range(5)]
    finally:
        for folder in folders.values():
            folder.close()
        shutil.rmtree(scratch, ignore_errors=True)

    with_ms = report("start to popup, 60 entries, icons", times["with"])
    without_ms = report("start to popup, without them", times["without"])
    big_with = report("opening 5,000 programs, icons", times["big+"])
    big_without = report("opening 5,000 programs, without", times["big-"])
    report("popup to the last icon painted", painted)
    print(f"ratio start to popup with/without icons: {with_ms / without_ms:.3f}")
    print(f"ratio 5,000-entry submenu with/without icons: {big_with / big_without:.3f}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
