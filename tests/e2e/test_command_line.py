"""The command line names the menu file; anything that is not an ordinary file is ignored."""

from __future__ import annotations

import os
import unittest

from harness import KovTestCase, send_keys, windows_path
from menus import append_item, menu, write_chosen_file

# Each menu holds one item, on a different line, so the identifier chosen by Down, Down,
# Return tells which file was read.
DEFAULT_MENU = menu(";default menu", ";", append_item("Default", "default"))  # line 3
NAMED_MENU = menu(append_item("Named", "named"))  # line 1
# Put in the working folder, which is not the program folder: reading it means a
# relative path was resolved against the wrong folder.
DECOY_MENU = menu(";", ";", ";", ";", append_item("Decoy", "decoy"))  # line 5
DEFAULT_LINE, NAMED_LINE = 3, 1

ENV_VAR = "KOV_E2E_MENU_FOLDER"


class CommandLineTest(KovTestCase):
    def setUp(self):
        super().setUp()
        folder = self.folder
        folder.write("KOV.mnu", DEFAULT_MENU)
        write_chosen_file(folder)
        folder.write("named.mnu", NAMED_MENU)
        folder.write("named.mnu", DECOY_MENU, base=folder.root)
        folder.write("up.mnu", NAMED_MENU, base=folder.root)
        (folder.path / "\u041c\u0435\u043d\u044e").mkdir()
        folder.write("\u041c\u0435\u043d\u044e/named.mnu", NAMED_MENU)
        folder.write(".hidden.mnu", NAMED_MENU)  # Wine reports dot files as hidden
        (folder.path / "folder.mnu").mkdir()
        os.environ[ENV_VAR] = windows_path(folder.path)
        self.addCleanup(os.environ.pop, ENV_VAR, None)

    def test_menu_file_from_the_command_line(self):
        named = windows_path(self.folder.path / "named.mnu")
        cases = [
            # (case, the command line after the program name, line of the item read)
            ("full path", f" {named}", NAMED_LINE),
            ("blanks around the path", f"   {named}   ", NAMED_LINE),
            ("relative to the program folder", " .\\named.mnu", NAMED_LINE),
            ("parent of the program folder", " ..\\up.mnu", NAMED_LINE),
            ("environment variable", f" %{ENV_VAR}%\\named.mnu", NAMED_LINE),
            ("missing file", " .\\missing.mnu", DEFAULT_LINE),
            ("quoted path", f' "{named}" ', NAMED_LINE),
            ("through a Cyrillic folder", " .\\\u041c\u0435\u043d\u044e\\named.mnu", NAMED_LINE),
            ("a folder", " .\\folder.mnu", DEFAULT_LINE),
            ("a hidden file", " .\\.hidden.mnu", DEFAULT_LINE),
            ("only blanks", "    ", DEFAULT_LINE),
        ]
        for case, command_line, line in cases:
            with self.case(case, command_line=command_line):
                run = self.folder.start(command_line=command_line)
                run.wait_popup()
                send_keys("Down", "Down", "Return")
                run.wait_exit()
                self.assert_trace(f"chosen {line}")
                self.assertEqual(DEFAULT_MENU, self.folder.menu_file.read_bytes())

    def test_missing_file_on_command_line_and_no_default_asks(self):
        self.folder.menu_file.unlink()
        run = self.folder.start(command_line=" .\\missing.mnu")
        send_keys("n", window=run.wait_message_box().id)
        run.wait_exit()
        self.assertFalse(run.popup_seen)
        self.assertFalse(self.folder.menu_file.exists())


if __name__ == "__main__":
    unittest.main()
