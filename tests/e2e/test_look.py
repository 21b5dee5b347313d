"""The menu's looks on the screen, one screenshot each: colours with pictures, and skins."""

from __future__ import annotations

import harness
from harness import KovTestCase, Screenshot, Window

YELLOW, RED, BLUE, WHITE = (255, 255, 0), (255, 0, 0), (0, 0, 255), (255, 255, 255)

LOOK = ("@BGMenuColor 255, 255, 0\r\n@SelBGMenuColor 0, 0, 255\r\n@TextColor 255, 0, 0\r\n"
        "@SelTextColor 255, 255, 255\r\n")


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

        harness.send_keys("Down")
        shot = self.shot_when(lambda s: BLUE in s.colours(popup), "the highlight")
        self.assertIn(WHITE, shot.colours(popup))  # the selected text colour

        harness.send_keys("Right")
        submenu = self.run_.wait_popup(2)
        sub = [w for w in submenu if w.id != popup.id][0]
        shot = self.shot_when(lambda s: YELLOW in s.colours(sub), "the program submenu")
        colours = shot.colours(sub)
        self.assertTrue(any(g > 120 and r < 60 and b < 90 for r, g, b in colours), "help picture")
        self.assertTrue(any(r > 200 and 150 < g < 200 and b < 80 for r, g, b in colours),
                        "edit picture")

    def test_default_skins(self) -> None:
        popup = self.show("@UseSkin 1\r\n@NoProgramMenu 1\r\nOne\tx\r\nTwo\tx\r\n")
        grey = (236, 236, 236)
        self.shot_when(lambda s: grey in s.colours(popup), "the skin's grey band")
        harness.send_keys("Down")
        selected = {(128, 168, 228), (156, 190, 238)}
        self.shot_when(lambda s: selected <= s.colours(popup), "the selected skin")


if __name__ == "__main__":
    import unittest
    unittest.main()
