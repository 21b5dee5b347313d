"""The menu and the settings window at 96 and at 144 DPI (150 %): at 144 every distance of the
owner-drawn items, and the settings window's size, is one and a half times its value at 96. The 144-DPI half runs in a Wine prefix of its own, set to that
resolution, so that the rest of the run stays at 96."""

from __future__ import annotations

import json
import os
import subprocess
import sys
import tempfile
from pathlib import Path

import harness
from harness import KovTestCase, Screenshot, Window
from test_look import BLUE, LOOK, RED, YELLOW

MENU = LOOK + "Alpha\tx\r\n-\r\nBeta\tx\r\n"
# Set in the child run at 144 DPI: where it writes its distances.
RESULT = "KOV_DPI_RESULT"
# Optional: a folder where both runs save a screenshot of the popup.
SHOTS = "KOV_DPI_SCREENSHOTS"


def box_of(shot: Screenshot, w: Window, test) -> tuple[int, int, int, int]:
    """Bounding box (x0, y0, x1, y1), inclusive, of the popup's pixels that pass test."""
    xs, ys = [], []
    for y in range(w.y, w.y + w.height):
        for x in range(w.x, w.x + w.width):
            if test(shot.pixel(x, y)):
                xs.append(x)
                ys.append(y)
    return min(xs), min(ys), max(xs), max(ys)


class Dpi(KovTestCase):
    def distances(self) -> dict[str, int]:
        self.folder.menu_file.write_bytes(MENU.encode("cp1252"))
        run = self.folder.start()
        self.addCleanup(run.kill)
        popup = run.wait_popup()[0]

        def shot_when(probe, what):
            return harness.poll(lambda: (lambda s: s if probe(s) else None)(Screenshot()), 5,
                                what, interval=0.1)

        shot = shot_when(lambda s: RED in s.colours(popup), "red text on the popup")
        left = box_of(shot, popup, lambda p: p == YELLOW)[0]
        if SHOTS in os.environ:
            dpi = 144 if RESULT in os.environ else 96
            harness.save_screenshot(Path(os.environ[SHOTS]) / f"menu-{dpi}dpi.png", popup)

        def highlight(previous):
            harness.send_keys("Down")
            found = shot_when(lambda s: BLUE in s.colours(popup) and
                              box_of(s, popup, lambda p: p == BLUE) != previous, "the highlight")
            return box_of(found, popup, lambda p: p == BLUE)

        program = highlight(None)
        alpha = highlight(program)
        beta = highlight(alpha)
        harness.send_keys("Escape")
        run.wait_exit()
        settings = self.settings_window()
        return {
            "icon cell": program[0] - left,
            "icon row": program[3] - program[1] + 1,
            "separator": beta[1] - alpha[3] - 1,
            "settings width": settings.width,
            "settings height": settings.height,
        }

    def settings_window(self) -> harness.Window:
        """The settings window, laid out for its own DPI: opened from the program submenu."""
        run = self.folder.start()
        self.addCleanup(run.kill)
        run.wait_popup()
        self.press(run, ("Down", "Right"), ("Return",))
        window = run.wait_message_box("KOV")
        harness.send_keys("Escape", window=window.id)
        run.wait_exit()
        return window

    def test_distances_grow_by_half_at_144_dpi(self) -> None:
        if RESULT in os.environ:
            Path(os.environ[RESULT]).write_text(json.dumps(self.distances()))
            return
        at96 = self.distances()
        self.assertEqual({k: at96[k] for k in ("icon cell", "icon row", "separator")},
                         {"icon cell": 20, "icon row": 22, "separator": 6})
        self.assertGreater(at96["settings width"], 200)
        at144 = self.at_144_dpi()
        for name, value in at96.items():
            self.assertLessEqual(abs(at144[name] - 1.5 * value), 1 + 0.01 * value,
                                 f"{name}: {at96} at 96, {at144} at 144")

    def at_144_dpi(self) -> dict[str, int]:
        with tempfile.TemporaryDirectory() as folder:
            result = Path(folder) / "distances.json"
            env = {k: v for k, v in os.environ.items() if k not in (
                "KOV_WINE_SESSION", "DISPLAY", "WINEPREFIX", "KOV_HOLDER_PID", "KOV_XVFB_PID")}
            env.update(KOV_LOGPIXELS="144", KOV_WINEPREFIX=str(harness.build_dir().parent /
                                                              "wineprefix-144"),
                       **{RESULT: str(result)})
            subprocess.run([sys.executable, str(Path(__file__).parent / "run.py"), "--build",
                            str(harness.build_dir()), "-k", "grow_by_half", "test_dpi"],
                           env=env, timeout=240, check=True, capture_output=True)
            return json.loads(result.read_text())


if __name__ == "__main__":
    import unittest
    unittest.main()
