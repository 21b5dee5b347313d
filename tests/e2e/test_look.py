"""The menu's look on the screen: colours, icons, columns, fonts and skins of the real popup,
read back from screenshots."""

from __future__ import annotations

import harness
from harness import KovTestCase, Screenshot, Window

YELLOW, RED, BLUE, WHITE = (255, 255, 0), (255, 0, 0), (0, 0, 255), (255, 255, 255)

LOOK = ("@BGMenuColor 255, 255, 0\r\n@SelBGMenuColor 0, 0, 255\r\n@TextColor 255, 0, 0\r\n"
        "@SelTextColor 255, 255, 255\r\n")


def box_of(shot: Screenshot, w: Window, test) -> tuple[int, int, int, int]:
    """Bounding box (x0, y0, x1, y1), inclusive, of the popup's pixels that pass test."""
    xs, ys = [], []
    for y in range(w.y, w.y + w.height):
        for x in range(w.x, w.x + w.width):
            if test(shot.pixel(x, y)):
                xs.append(x)
                ys.append(y)
    return min(xs), min(ys), max(xs), max(ys)


def on_yellow(p) -> bool:
    """Yellow background, red text, or a blend of the two."""
    return p[0] == 255 and p[2] == 0


class Look(KovTestCase):
    def show(self, menu: str) -> Window:
        self.folder.menu_file.write_bytes(menu.encode("cp1252"))
        self.run_ = self.folder.start()
        return self.run_.wait_popup()[0]

    def shot_when(self, probe, what: str) -> Screenshot:
        """The first screenshot for which probe holds: the popup paints after it maps."""
        return harness.poll(lambda: (lambda s: s if probe(s) else None)(Screenshot()), 5, what,
                            interval=0.1)

    def tearDown(self) -> None:
        harness.send_keys("Escape", "Escape", "Escape")
        self.run_.wait_exit()

    def test_colours_icon_cell_and_program_pictures(self) -> None:
        popup = self.show(LOOK + "Alpha\tx\r\nBeta\tx\r\n")
        shot = self.shot_when(lambda s: RED in s.colours(popup), "red text on the popup")
        colours = shot.colours(popup)
        self.assertIn(YELLOW, colours)
        # The program submenu's own picture sits in the icon cell of its entry.
        self.assertTrue(any(b > 140 and r < 60 and g < 90 for r, g, b in colours))
        left, top, _, _ = box_of(shot, popup, lambda p: p == YELLOW)

        harness.send_keys("Down")
        shot = self.shot_when(lambda s: BLUE in s.colours(popup), "the highlight")
        row = top + 5
        blue = [x for x in range(popup.x, popup.x + popup.width) if shot.pixel(x, row) == BLUE]
        self.assertEqual(min(blue) - left, 20, "the highlight starts after the icon cell")
        self.assertIn(WHITE, shot.colours(popup))  # the selected text colour

        harness.send_keys("Right")
        submenu = self.run_.wait_popup(2)
        sub = [w for w in submenu if w.id != popup.id][0]
        shot = self.shot_when(lambda s: YELLOW in s.colours(sub), "the program submenu")
        colours = shot.colours(sub)
        self.assertTrue(any(g > 120 and r < 60 and b < 90 for r, g, b in colours), "help picture")
        self.assertTrue(any(r > 200 and 150 < g < 200 and b < 80 for r, g, b in colours),
                        "edit picture")

    def test_column_break_gap_has_the_menu_background(self) -> None:
        popup = self.show(LOOK + "@NoProgramMenu 1\r\nFirst\tx\r\n|Second\tx\r\n|Third\tx\r\n")
        shot = self.shot_when(lambda s: RED in s.colours(popup), "red text")
        x0, y0, x1, y1 = box_of(shot, popup, lambda p: p == YELLOW)
        self.assertLess(y1 - y0, 30, "three columns of one row")
        self.assertGreater(x1 - x0, 3 * 30)
        gaps = [(x, y) for y in range(y0, y1 + 1) for x in range(x0, x1 + 1)
                if not on_yellow(shot.pixel(x, y))]
        self.assertEqual([], gaps[:5], "every pixel between the columns is the menu's")

    def test_font_size_sets_item_heights(self) -> None:
        popup = self.show("@NoProgramMenu 1\r\n@FontSize 20\r\n@FontName Tahoma\r\n"
                          "One\tx\r\nTwo\tx\r\n")
        # 20 pt at 96 dpi: 27 pixels of text, plus 6, per item.
        self.assertGreaterEqual(popup.height, 2 * 33)
        self.assertLess(popup.height, 2 * 33 + 16)

    def test_default_skins(self) -> None:
        popup = self.show("@UseSkin 1\r\n@NoProgramMenu 1\r\nOne\tx\r\nTwo\tx\r\n")
        grey = (236, 236, 236)
        shot = self.shot_when(lambda s: grey in s.colours(popup), "the skin's grey band")
        _, _, x1, _ = box_of(shot, popup, lambda p: p == grey)
        # The items start 3 pixels into the popup (its border and margin under Wine).
        self.assertEqual(x1 - popup.x, 3 + 20 - 1, "the band ends with the icon column")
        harness.send_keys("Down")
        selected = {(128, 168, 228), (156, 190, 238)}
        self.shot_when(lambda s: selected <= s.colours(popup), "the selected skin")


if __name__ == "__main__":
    import unittest
    unittest.main()
