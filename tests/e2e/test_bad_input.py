"""Menu files no one should write: the popup still appears and nothing on disk changes."""

from __future__ import annotations

import random
import unittest

from harness import KovTestCase, send_keys, sha256
from menus import append_item, menu, write_chosen_file

MB = 1 << 20


def binary_bytes() -> bytes:
    return random.Random(1).randbytes(256 * 1024)


def many_comment_lines() -> bytes:
    # About a million lines and 20 MB: the builder must be linear in the file size.
    line = b";" + b"x" * 18 + b"\r\n"
    return append_item_line("After a million lines") + line * (20 * MB // len(line))


def append_item_line(caption: str) -> bytes:
    return menu(append_item(caption, caption))


# (case, the file's bytes, seconds allowed for the popup to appear)
CASES = [
    ("empty file", lambda: b"", 15),
    ("binary bytes with NULs", binary_bytes, 15),
    ("NUL bytes inside item lines", lambda: menu("It\0em\t¦a.\\x\0.txt|a\0b", "[Sub\0", "]"), 15),
    ("20 MB of a million lines", many_comment_lines, 60),
    ("a 1 MB caption", lambda: append_item_line("x" * MB), 30),
    ("a 1 MB command", lambda: menu("Long\t" + "y" * MB), 15),
    ("10,000 nested submenus", lambda: menu(*(f"[Level {i}" for i in range(10_000))), 30),
    ("10,000 closing brackets", lambda: menu(*(["]"] * 10_000), append_item("Item", "x")), 15),
    ("bare LF line ends", lambda: menu(append_item("A", "a"), "-").replace(b"\r\n", b"\n"), 15),
]


class BadInputTest(KovTestCase):
    def test_popup_appears_and_file_is_untouched(self):
        for case, make, popup_deadline in CASES:
            with self.case(case):
                path = self.folder.write("KOV.mnu", make())
                before = sha256(path)
                run = self.folder.start()
                run.wait_popup(timeout=popup_deadline)
                self.dismiss(run)
                self.assert_trace("chosen 0")
                self.assertEqual(before, sha256(path), "the menu file changed")
                self.assertEqual({self.folder.exe_name, "KOV.mnu"}, self.folder.files())

    def test_items_after_line_2000_show_but_cannot_be_chosen(self):
        # Their identifiers would fall into the folder-entry range and run something else.
        # Up from no selection highlights the last entry; Return on a grayed entry closes
        # the popup with nothing chosen.
        lines = [append_item(f"Item {n}", str(n)) for n in range(1, 2002)]
        self.folder.write("KOV.mnu", menu(*lines))
        write_chosen_file(self.folder)
        for case, keys, identifier in [("line 2001", ("Up", "Return"), 0),
                                       ("line 2000", ("Up", "Up", "Return"), 2000)]:
            with self.case(case):
                run = self.folder.start()
                run.wait_popup(timeout=30)
                send_keys(*keys)
                run.wait_exit()
                self.assert_trace(f"chosen {identifier}")

if __name__ == "__main__":
    unittest.main()
