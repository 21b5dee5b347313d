#!/usr/bin/env python3
"""Start to fully painted popup: KOV drawing a 60-item menu with icons itself, against the same
program and menu file with every item drawn by the system (KOV_system_drawn.exe). Runs the two
alternately under Xvfb + wine64 and prints the medians and their ratio.

    python3 bench/owner_draw_popup.py [--runs 11] [--build build/win64] [--dark]

"Fully painted" is the first screenshot whose last item shows both dark and light pixels (text
on its background, in either mode), so both figures carry the same screenshot granularity (tens
of milliseconds). With --dark the prefix's app theme is dark for the run (KOV draws its dark
items; the system-drawn menus stay as Wine draws them).
"""

from __future__ import annotations

import argparse
import os
import statistics
import subprocess
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parents[1]
sys.path.insert(0, str(ROOT / "tests" / "e2e"))

# Captions of the program submenu's entries carry KOV's own pictures, so every item has an icon.
CAPTIONS = ["&Settings", "Edit the menu", "&About...", "&Help", "E&xit", "KOV"]


def menu_file() -> bytes:
    lines = [f"{CAPTIONS[i % len(CAPTIONS)]}\tnotepad.exe" for i in range(59)]
    lines.append("Last\tnotepad.exe")
    return ("\r\n".join(lines) + "\r\n").encode("cp1252")


def one_run(harness, exe: Path) -> float:
    folder = harness.ProgramFolder(exe=exe, exe_name="KOV.exe")
    try:
        folder.menu_file.write_bytes(menu_file())
        start = time.monotonic()
        run = folder.start()
        popup = run.wait_popup()[0]

        def painted():
            shot = harness.Screenshot()
            y0 = popup.y + popup.height - 16
            pixels = [shot.pixel(x, y) for y in range(y0, popup.y + popup.height - 3)
                      for x in range(popup.x + 4, popup.x + popup.width - 4)]
            return any(max(p) < 80 for p in pixels) and any(min(p) > 200 for p in pixels)
        harness.poll(painted, 20, "the last item painted", interval=0.0)
        elapsed = time.monotonic() - start
        harness.send_keys("Escape")
        run.wait_exit()
        return elapsed
    finally:
        folder.close()


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--runs", type=int, default=11)
    parser.add_argument("--build", default=str(ROOT / "build" / "win64"))
    parser.add_argument("--dark", action="store_true", help="the app theme dark for the run")
    args = parser.parse_args()
    os.environ["KOV_BUILD_DIR"] = str(Path(args.build).resolve())
    if "KOV_WINE_SESSION" not in os.environ:
        script = 'source "$1"; shift; wine_session_start || exit 1; trap wine_session_stop EXIT; "$@"'
        return subprocess.call(["bash", "-c", script, "bash", str(ROOT / "tools" / "wine-session.sh"),
                                sys.executable, *sys.argv])
    import harness
    harness.move_mouse(300, 5)
    if args.dark:
        theme = [os.environ["WINE"], "reg", "add",
                 r"HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize",
                 "/v", "AppsUseLightTheme", "/f"]
        subprocess.run([*theme, "/t", "REG_DWORD", "/d", "0"], check=True, capture_output=True)
    try:
        return measure(harness, args)
    finally:
        if args.dark:
            subprocess.run([*theme[:2], "delete", *theme[3:]], check=True, capture_output=True)


def measure(harness, args) -> int:
    owner = Path(args.build) / "KOV.exe"
    system = Path(args.build) / "tests" / "e2e" / "KOV_system_drawn.exe"
    times = {"owner-drawn": [], "system-drawn": []}
    one_run(harness, owner)  # warm the prefix and the file cache
    for _ in range(args.runs):
        times["owner-drawn"].append(one_run(harness, owner))
        times["system-drawn"].append(one_run(harness, system))
    medians = {k: statistics.median(v) for k, v in times.items()}
    for name, value in medians.items():
        print(f"{name:13s} median {value * 1000:7.1f} ms over {args.runs} runs")
    print(f"ratio owner-drawn / system-drawn: {medians['owner-drawn'] / medians['system-drawn']:.2f}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
