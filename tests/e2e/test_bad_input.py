"""Menu files no one should write: the popup still appears and nothing on disk changes."""

from __future__ import annotations

import random
import unittest

from harness import KovTestCase, sha256
from menus import append_item, menu

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
    ("binary bytes with NULs", binary_bytes, 15),
    ("20 MB of a million lines", many_comment_lines, 60),
    ("10,000 nested submenus", lambda: menu(*(f"[Level {i}" for i in range(10_000))), 30),
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


if __name__ == "__main__":
    unittest.main()
