"""A missing menu file: the question, the sample file it writes, and declining it."""

from __future__ import annotations

import unittest

from harness import ROOT, KovTestCase, Screenshot, send_keys

# The sample file as the program must write it in a new Wine prefix (its font lines carry
# the prefix's menu font).
SAMPLE = (ROOT / "tests" / "data" / "sample.mnu").read_bytes()


class FirstRunTest(KovTestCase):
    def test_yes_writes_the_sample_and_shows_its_menu(self):
        run = self.folder.start()
        box = run.wait_message_box()
        self.assertFalse(self.folder.menu_file.exists(), "file written before the answer")
        send_keys("y", window=box.id)
        first = run.wait_popup()[0]

        self.assertEqual(SAMPLE, self.folder.menu_file.read_bytes())
        self.assertEqual((first.x, first.y), self.CURSOR, "popup not at the cursor")
        shot = Screenshot()
        self.assertGreater(len(shot.colours(first)), 1, "the popup shows no text")
        # The sample's last top-level entry is the submenu "&Folder": Up selects it and
        # Right opens it, so a second popup proves the sample was read back.
        self.press(run, ("Up", "Right"), ("Escape", "Escape"))
        run.wait_exit()
        self.assert_trace("chosen 0")
        self.assertEqual(SAMPLE, self.folder.menu_file.read_bytes(), "sample changed by reading")

    def test_no_ends_without_popup_or_file(self):
        run = self.folder.start()
        send_keys("n", window=run.wait_message_box().id)
        run.wait_exit()
        self.assertFalse(run.popup_seen, "a popup was shown after No")
        self.assertEqual({self.folder.exe_name}, self.folder.files())
        self.assertEqual([], self.folder.trace_lines())
        self.assert_no_windows_left()


if __name__ == "__main__":
    unittest.main()
