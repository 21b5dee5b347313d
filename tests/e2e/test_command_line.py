"""The command line names the menu file, relative to the program folder; a path that names
no file is ignored."""

from __future__ import annotations

import unittest

from harness import KovTestCase, send_keys
from menus import append_item, menu, write_chosen_file

# Each menu holds one item, on a different line, so the identifier chosen by Down, Down,
# Return tells which file was read.
DEFAULT_MENU = menu(";default menu", ";", append_item("Default", "default"))  # line 3
NAMED_MENU = menu(append_item("Named", "named"))  # line 1
# Put in the working folder, which is not the program folder: reading it means a
# relative path was resolved against the wrong folder.
DECOY_MENU = menu(";", ";", ";", ";", append_item("Decoy", "decoy"))  # line 5


class CommandLineTest(KovTestCase):
    def test_menu_file_from_the_command_line(self):
        folder = self.folder
        folder.write("KOV.mnu", DEFAULT_MENU)
        write_chosen_file(folder)
        folder.write("named.mnu", NAMED_MENU)
        folder.write("named.mnu", DECOY_MENU, base=folder.root)
        (folder.path / "\u041c\u0435\u043d\u044e").mkdir()
        folder.write("\u041c\u0435\u043d\u044e/named.mnu", NAMED_MENU)
        # (case, the command line after the program name, line of the item read)
        for case, command_line, line in [
            ("relative, with blanks", "   .\\named.mnu   ", 1),
            ("through a Cyrillic folder", " .\\\u041c\u0435\u043d\u044e\\named.mnu", 1),
            ("missing file", " .\\missing.mnu", 3),
        ]:
            with self.case(case, command_line=command_line):
                run = folder.start(command_line=command_line)
                run.wait_popup()
                send_keys("Down", "Down", "Return")
                run.wait_exit()
                self.assert_trace(f"chosen {line}")


if __name__ == "__main__":
    unittest.main()
