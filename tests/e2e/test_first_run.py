"""A missing menu file: the question, the sample it writes and shows, the settings window's
Create new, and declining."""

from __future__ import annotations

import unittest

from harness import ROOT, KovTestCase, screenshot_when, send_keys

SAMPLE = (ROOT / "tests" / "data" / "sample.mnu").read_bytes()
GREY, SELECTED = (236, 236, 236), {(128, 168, 228), (156, 190, 238)}


class FirstRunTest(KovTestCase):
    def test_yes_writes_the_sample_and_shows_it_in_its_skins(self):
        run = self.folder.start()
        box = run.wait_message_box()
        self.assertFalse(self.folder.menu_file.exists(), "file written before the answer")
        send_keys("y", window=box.id)
        popup = run.wait_popup()[0]
        self.assertEqual(SAMPLE, self.folder.menu_file.read_bytes())
        self.assertEqual((popup.x, popup.y), self.CURSOR, "popup not at the cursor")
        # The sample switches the default skins on, so they show that it was read back.
        screenshot_when(lambda s: GREY in s.colours(popup), "the skin's grey band")
        send_keys("Down")
        screenshot_when(lambda s: SELECTED <= s.colours(popup), "the selected skin")

        # Settings, the program submenu's first entry. Without a language file only Create new
        # takes the focus; it writes a template and says so.
        self.press(run, ("Right",), ("Return",))
        window = run.wait_message_box()
        send_keys("space", window=window.id)
        send_keys("Return", window=run.wait_message_box(other_than=window).id)
        lines = (self.folder.path / "Translation.lng").read_bytes().split(b"\r\n")
        self.assertEqual(30, len(lines))  # 29 lines, each ended by CR LF
        self.assertEqual(b"OK=OK", lines[0])
        self.assertEqual(b"KOV is a menu program.=KOV is a menu program.", lines[14])
        send_keys("Escape", window=window.id)
        run.wait_exit()
        self.assert_trace("chosen -3")
        self.assertEqual(SAMPLE, self.folder.menu_file.read_bytes(), "sample changed by reading")

    def test_no_ends_without_popup_or_file(self):
        run = self.folder.start()
        run.answer_message_box("n")
        run.wait_exit()
        self.assertEqual([], [w for w in run.seen.values() if not w.name], "a popup after No")
        self.assertEqual({self.folder.exe_name}, self.folder.files())
        self.assertEqual([], self.folder.trace_lines())


if __name__ == "__main__":
    unittest.main()
