#!/usr/bin/env python3
"""Starts KOV once in a program folder, as a person would on a first start.

    tools/run_once.py build/run

Answers the first-run question with Yes when the folder has no menu file yet, waits for
the popup, saves a screenshot cropped around it (its path is printed), dismisses the
menu with Escape and makes sure nothing it started is left running. Needs a Wine session
(tools/wine-session.sh); started here when none is exported.
"""

from __future__ import annotations

import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parents[1]
sys.path.insert(0, str(ROOT / "tests" / "e2e"))

import harness  # noqa: E402  (found through the path set just above)


def main(argv: list[str]) -> int:
    if len(argv) != 1:
        print(__doc__, file=sys.stderr)
        return 2
    status = harness.run_in_session(Path(__file__), argv)
    if status is not None:
        return status

    folder = harness.ProgramFolder(path=Path(argv[0]), trace=False)
    try:
        first_start = not folder.menu_file.exists()
        run = folder.start()
        if first_start:
            harness.send_keys("Return", window=run.wait_message_box().id)  # Yes is the default button
        popup = run.wait_popup()[0]
        # The popup maps before its items are painted.
        harness.poll(lambda: len(harness.Screenshot().colours(popup)) > 2, 5, "the items painted",
                     interval=0.1)
        shot = harness.save_screenshot(folder.path / "menu.png", around=popup, margin=40)
        harness.send_keys("Escape")
        run.wait_exit()
    finally:
        folder.close()
    print(shot)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
