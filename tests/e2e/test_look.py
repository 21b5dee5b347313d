"""The menu on the screen: its colours and pictures, and at 144 DPI (150 %) every distance of
the owner-drawn items, the shell's icons and the settings window's size, one and a half times
its value at 96 (the 144-DPI half runs in a Wine prefix of its own)."""

from __future__ import annotations

import json
import os
import subprocess
import sys
from pathlib import Path

from harness import (KovTestCase, Screenshot, Window, build_dir, menu, reg_for_test,
                     screenshot_when, send_keys)

YELLOW, RED, BLUE, WHITE = (255, 255, 0), (255, 0, 0), (0, 0, 255), (255, 255, 255)
DARK, SEPARATOR = (0x2B, 0x2B, 0x2B), (0x80, 0x80, 0x80)
LOOK = ["@BGMenuColor 255, 255, 0", "@SelBGMenuColor 0, 0, 255", "@TextColor 255, 0, 0",
        "@SelTextColor 255, 255, 255"]
# Set in the child run at 144 DPI: where it writes its distances.
RESULT = "KOV_DPI_RESULT"


def box_of(shot: Screenshot, w: Window, colour) -> tuple[int, int, int, int]:
    """Bounding box (x0, y0, x1, y1), inclusive, of the popup's pixels of the colour."""
    xs, ys = zip(*((x, y) for y in range(w.y, w.y + w.height) for x in range(w.x, w.x + w.width)
                   if shot.pixel(x, y) == colour))
    return min(xs), min(ys), max(xs), max(ys)


class LookTest(KovTestCase):
    def distances(self) -> dict[str, int]:
        self.folder.menu_file.write_bytes(menu(*LOOK, "Alpha\tx", "-", "Beta\tx"))
        run, popup = self.start_popup()
        shot = screenshot_when(lambda s: RED in s.colours(popup), "red text on the popup")
        # The program picture's frame, give or take the expansion of its 16-bit pixels.
        self.assertTrue(any(b > 140 and r < 60 and g < 90 for r, g, b in shot.colours(popup)))
        left = box_of(shot, popup, YELLOW)[0]

        boxes = [None]
        for _ in range(3):  # the highlight on the program entry, Alpha and Beta
            send_keys("Down")
            found = screenshot_when(lambda s: BLUE in s.colours(popup) and
                                    box_of(s, popup, BLUE) != boxes[-1], "the highlight")
            self.assertIn(WHITE, found.colours(popup))  # the selected text colour
            boxes.append(box_of(found, popup, BLUE))
        program, alpha, beta = boxes[1:]
        # Back up to the program submenu and its first entry, Settings.
        self.press(("Up", "Up", "Right"), ("Return",), run=run)
        settings = run.wait_message_box()
        send_keys("Escape", window=settings.id)
        run.wait_exit()
        return {"icon cell": program[0] - left, "icon row": program[3] - program[1] + 1,
                "separator": beta[1] - alpha[3] - 1, "settings width": settings.width,
                "settings height": settings.height, "shell icon": self.shell_icon_side()}

    def shell_icon_side(self) -> int:
        """The height of the folder's icon, painted once the shell has handed it over; the
        shell's frames of each size are drawn apart, so it does not scale by exactly 1.5."""
        self.folder.menu_file.write_bytes(menu(*LOOK, "@NoProgramMenu 1", "@ShellIcons 1",
                                               "Windows\tC:\\windows\\"))
        run, popup = self.start_popup()
        # Inside the popup's frame, left of the text.
        inner = range(popup.x + 4, popup.x + popup.height - 4)

        def icon_rows(shot):
            rows = [y for y in range(popup.y + 4, popup.y + popup.height - 4)
                    if any(shot.pixel(x, y) not in (YELLOW, RED) for x in inner)]
            return rows if len(rows) > 4 else None
        shot = screenshot_when(icon_rows, "the folder's icon")
        self.press(("Escape",), run=run).wait_exit()
        rows = icon_rows(shot)
        return rows[-1] - rows[0] + 1

    def test_distances_grow_by_half_at_144_dpi(self) -> None:
        if RESULT in os.environ:
            Path(os.environ[RESULT]).write_text(json.dumps(self.distances()))
            return
        at96 = self.distances()
        self.assertGreater(min(at96.values()), 5)
        result = self.folder.root / "distances.json"
        env = {k: v for k, v in os.environ.items() if k not in (
            "KOV_WINE_SESSION", "DISPLAY", "WINEPREFIX", "KOV_HOLDER_PID", "KOV_XVFB_PID")}
        env.update(KOV_LOGPIXELS="144", **{RESULT: str(result)},
                   KOV_WINEPREFIX=str(build_dir().parent / "wineprefix-144"))
        subprocess.run([sys.executable, str(Path(__file__).parent / "run.py"), "--build",
                        str(build_dir()), "-k", "grow_by_half", "test_look"],
                       env=env, timeout=240, check=True, capture_output=True)
        at144 = json.loads(result.read_text())
        # Each size from a frame of its own: a 16-pixel one would not pass 16 rows at 144.
        self.assertLessEqual(at96.pop("shell icon"), 16)
        self.assertGreater(at144.pop("shell icon"), 16)
        for name, value in at96.items():
            self.assertLessEqual(abs(at144[name] - 1.5 * value), 1 + 0.01 * value,
                                 f"{name}: {at96} at 96, {at144} at 144")

    def test_dark_app_theme_gives_dark_items(self) -> None:
        key = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize"
        reg_for_test(self, key, key, "/v", "AppsUseLightTheme", "/t", "REG_DWORD", "/d", "0")
        self.folder.menu_file.write_bytes(menu("Alpha\tx", "-", "Beta\tx"))
        run, popup = self.start_popup()
        # Windows' dark menu colours, as Wine has no theme data for them.
        screenshot_when(lambda s: {DARK, WHITE, SEPARATOR} <= s.colours(popup),
                        "dark items, white text and a separator")
        self.press(("Escape",), run=run).wait_exit()
