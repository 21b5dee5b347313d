"""Files no one should write: the popup and the settings window still appear, and nothing on
disk changes."""

from __future__ import annotations

import random
import unittest

from harness import KovTestCase, menu, send_keys

MB = 1 << 20
COMMENT = b";" + b"x" * 18 + b"\r\n"


class BadInputTest(KovTestCase):
    def test_binary_deep_and_huge_files_show_the_popup_and_the_settings_window(self):
        # Binary bytes with NULs, 10,000 nested submenus, then 20 MB of a million lines: the
        # builder must be linear in the file size. The language file is binary too.
        data = (menu("@LanguageFile .\\Svenska.lng", "Item\tx") +
                random.Random(1).randbytes(256 * 1024) + b"\r\n" +
                menu(*(f"[Level {i}" for i in range(10_000))) + COMMENT * (20 * MB // len(COMMENT)))
        language = bytes(range(256)) * 4096
        self.folder.write("KOV.mnu", data)
        self.folder.write("Svenska.lng", language)
        run = self.folder.start()
        run.wait_popup(timeout=60)
        self.press(run, ("Down", "Right"), ("Return",))
        send_keys("Escape", window=run.wait_message_box().id)
        run.wait_exit(timeout=30)
        self.assert_trace("chosen -3")
        self.assertEqual(data, self.folder.menu_file.read_bytes())
        self.assertEqual(language, (self.folder.path / "Svenska.lng").read_bytes())
        self.assertEqual({self.folder.exe_name, "KOV.mnu", "Svenska.lng"}, self.folder.files())


if __name__ == "__main__":
    unittest.main()
