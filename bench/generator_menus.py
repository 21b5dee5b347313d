#!/usr/bin/env python3
"""Include files and submenus written by a program, under Wine, as ratios measured in one run.

    bench/generator_menus.py [--build build/win64] [--runs 10]

1. Opening a submenu whose program writes 50 lines in about 50 ms (the runner test's probe,
   from the key that opens it until its popup is mapped), against opening a submenu of the same
   50 lines written in the file, plus 50 ms.
2. Start to popup of a menu of 800 lines split into 8 include files, against the same lines in
   one file.
3. Start to popup of that menu with 20 "¦o" lines whose submenus are not opened, against it
   without them.
Pairs are measured alternately after warm-up runs. Under Wine every process start costs hundreds of
milliseconds, so the script also times, in-process (bench/program_runner.cpp), the runner against a
bare start of the same program, and relates the submenu to the written one plus that bare run.
Medians and minima are both printed: on a busy machine the minima are the steadier figure.
"""

from __future__ import annotations

import os
import shutil
import subprocess
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parents[1]
sys.path.insert(0, str(ROOT / "tests" / "e2e"))
sys.path.insert(0, str(ROOT / "bench"))

import harness  # noqa: E402
from harness import menu  # noqa: E402
from folder_menus import CountingWatcher, arguments, open_submenu, report  # noqa: E402
from start_to_popup import start_to_popup, wine_server  # noqa: E402

LINES = [f"Entry {n}\tnotepad.exe|{n}.txt" for n in range(1, 801)]


def main(argv: list[str]) -> int:
    args, status = arguments(__doc__, __file__, argv)
    if status is not None:
        return status

    harness.move_mouse(200, 150)
    names = ("generated", "written", "included", "one_file", "unopened", "without")
    folders = {name: harness.ProgramFolder() for name in names}
    try:
        generated = folders["generated"]
        shutil.copyfile(harness.build_dir() / "generator_probe.exe", generated.path / "probe.exe")
        generated.write("KOV.mnu", menu("@NoProgramMenu 1", "¦oGenerated|.\\probe.exe|lines 50 0 50"))
        folders["written"].write("KOV.mnu", menu(
            "@NoProgramMenu 1", "[Written", *(f"line {n}" for n in range(1, 51)), "]"))
        included = folders["included"]
        for part in range(8):
            included.write(f"part{part}.mnu", menu(*LINES[part * 100:(part + 1) * 100]))
        included.write("KOV.mnu", menu(*(f"@Include .\\part{part}.mnu" for part in range(8))))
        folders["one_file"].write("KOV.mnu", menu(*LINES))
        folders["unopened"].write("KOV.mnu", menu(
            *(f"¦oGenerated {n}|.\\none{n}.exe" for n in range(20)), *LINES))
        folders["without"].write("KOV.mnu", menu(*LINES))

        watcher, server = CountingWatcher(), wine_server()
        measures = {
            "generated": lambda: open_submenu(folders["generated"], watcher),
            "written": lambda: open_submenu(folders["written"], watcher),
            **{name: (lambda f=folders[name]: start_to_popup(f, watcher, server)[0])
               for name in names[2:]},
        }
        times: dict[str, list[float]] = {name: [] for name in names}
        for i in range(args.warmup + args.runs):
            for first, second in zip(names[::2], names[1::2]):
                for name in (first, second) if i % 2 == 0 else (second, first):
                    elapsed = measures[name]()
                    if i >= args.warmup:
                        times[name].append(elapsed)
        probe = f'"{harness.windows_path(generated.path / "probe.exe")}" lines 50 0 50'
        inprocess = subprocess.run([os.environ["WINE"], str(harness.helper_exe("program_runner_bench")),
                                    str(args.runs), probe], check=True, capture_output=True,
                                   text=True, timeout=600).stdout.strip()
    finally:
        for folder in folders.values():
            folder.close()

    medians = {name: report(name, times[name]) for name in names}
    minima = {name: min(times[name]) for name in names}
    fields = {key: float(value) / 1000 for key, value in
              (item.split("=") for item in inprocess.split())}
    print(f"in-process: {inprocess}")
    for label, figures in (("median", medians), ("minimum", minima)):
        print(f"{label}: generated / (written + 50 ms) "
              f"{figures['generated'] / (figures['written'] + 0.050):.3f} (at most 1.3); "
              f"generated / (written + bare run) "
              f"{figures['generated'] / (figures['written'] + fields['bare_ms']):.3f}; "
              f"8 includes / one file {figures['included'] / figures['one_file']:.3f} "
              f"(at most 1.05); unopened ¦o / without "
              f"{figures['unopened'] / figures['without']:.3f} (at most 1.02)")
    print(f"runner / bare run of the same program: {fields['runner_ms'] / fields['bare_ms']:.3f}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
