"""One start, one popup, one choice, then the end: a second start meanwhile ends at once, and
the command line names the menu file, relative to the program's folder."""

from __future__ import annotations

import unittest

from harness import KovTestCase, menu, send_keys

# A menu whose language file alone makes About "Om KOV" and Exit's key a Cyrillic letter.
TRANSLATED = menu("@LanguageFile .\\Svenska.lng", "Item\tx")
LANGUAGE = "E&xit=&\u0412\u044b\u0445\u043e\u0434\r\n&About...=&Om...\r\n".encode("utf-8")
PLAIN = menu("Item\tx")


class RunCycleTest(KovTestCase):
    def setUp(self):
        super().setUp()
        self.folder.write("Svenska.lng", LANGUAGE)

    def test_second_start_ends_at_once_while_the_first_popup_is_up(self):
        self.folder.write("KOV.mnu", TRANSLATED)
        first = self.folder.start()
        popup = first.wait_popup()[0]
        second = self.folder.start()
        second.wait_exit(timeout=5)
        self.assertEqual({popup.id}, set(second.seen), "the second start showed a window")
        self.assertEqual([], self.folder.trace_lines(), "the second start reached dispatch")
        # The first popup is still up: the program submenu opens, and the key of the UTF-8
        # language file's Exit chooses it.
        self.press(first, ("Down", "Right"), ("Cyrillic_ve",))
        first.wait_exit()
        self.assert_trace("chosen -2")

    def test_the_command_line_names_the_menu_file(self):
        self.folder.write("KOV.mnu", PLAIN)
        self.folder.write("named.mnu", PLAIN, base=self.folder.root)  # the working folder
        (self.folder.path / "\u041c\u0435\u043d\u044e").mkdir()
        self.folder.write("\u041c\u0435\u043d\u044e/named.mnu", TRANSLATED)
        run = self.folder.start(".\\\u041c\u0435\u043d\u044e\\named.mnu")
        run.wait_popup()
        # About, the third entry of the program submenu, is the only window, titled as translated.
        self.press(run, ("Down", "Right"), ("Down", "Down", "Return"))
        about = run.wait_message_box("Om KOV")
        self.assertEqual(["Om KOV"], [w.name for w in run.windows() if w.name])
        send_keys("Return", window=about.id)
        run.wait_exit()
        self.assert_trace("chosen -1")


if __name__ == "__main__":
    unittest.main()
