"""One start, one popup: what the user chooses reaches dispatch, then the program ends."""

from __future__ import annotations

import unittest

from harness import KovTestCase
from menus import append_item, menu, write_chosen_file

# Entries of the popup: the program submenu, First (line 1), a separator,
# the submenu Sub holding Inner (line 4), and Last (line 6).
CHOICE_MENU = menu(
    append_item("First", "first"),
    "-",
    "[Sub",
    "\t" + append_item("Inner", "inner"),
    "]",
    append_item("Last", "last"),
)

# (what the user does, key groups (each group but the last opens a submenu), traced identifier)
CHOICES = [
    ("chooses an item in a submenu", [("Down", "Down", "Down", "Right"), ("Return",)], 4),
    # Exit is the last entry of the program submenu; Up from its first entry wraps to it.
    ("chooses Exit in the program submenu", [("Down", "Right"), ("Up", "Return")], -2),
]


class RunCycleTest(KovTestCase):
    def setUp(self):
        super().setUp()
        write_chosen_file(self.folder)

    def test_chosen_identifier_reaches_dispatch_and_program_ends(self):
        self.folder.write("KOV.mnu", CHOICE_MENU)
        for action, steps, identifier in CHOICES:
            with self.case(action):
                run = self.folder.start()
                run.wait_popup()
                self.press(run, *steps)
                run.wait_exit()
                self.assert_trace(f"chosen {identifier}")
                self.assert_no_windows_left()

    def test_second_start_ends_at_once_while_first_popup_is_up(self):
        self.folder.write("KOV.mnu", CHOICE_MENU)
        first = self.folder.start()
        popup = first.wait_popup()[0]

        second = self.folder.start()
        second.wait_exit(timeout=5)
        self.assertEqual({popup.id}, set(second.seen), "the second start showed a window")
        self.assertEqual([], self.folder.trace_lines(), "the second start reached dispatch")

        self.assertEqual([popup.id], [w.id for w in first.popups()], "first popup went away")
        self.dismiss(first)
        self.assert_trace("chosen 0")


if __name__ == "__main__":
    unittest.main()
