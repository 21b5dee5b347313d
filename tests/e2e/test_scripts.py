"""Text in every script: menu and language files as today's editors save them, and files
named in any script."""

from __future__ import annotations

import shutil
import unittest

import harness
from harness import KovTestCase, Screenshot, poll, record_opening, send_keys, windows_path

RED = (255, 0, 0)
TWIN = ("@NoProgramMenu 1\r\n@BGMenuColor 255, 255, 0\r\n@TextColor 255, 0, 0\r\n"
        "&Caf\u00e9\t\u00a6a.\\chosen.txt|Caf\u00e9 \u00a6s\r\n"
        "\u00a6gHeading \u00dcberblick\r\n"
        "[\u00dcberblick\r\n\tInner\tx\r\n]\r\n"
        "\u00a6qDocs\r\n")
LANGUAGE = "E&xit=&\u0412\u044b\u0445\u043e\u0434\r\n"


class ScriptsTest(KovTestCase):
    def test_a_utf8_menu_file_behaves_as_its_ansi_twin(self):
        seen = []
        for encoding in ("cp1252", "utf-8"):
            with self.case(encoding):
                self.folder.menu_file.write_bytes(TWIN.encode(encoding))
                chosen = self.folder.write("chosen.txt", b"")
                run = self.folder.start()
                popup = run.wait_popup()[0]
                shot = poll(lambda: (lambda s: s if RED in s.colours(popup) else None)(
                    Screenshot()), 5, "the drawn text", interval=0.1)
                pixels = [shot.pixel(x, y) for y in range(popup.y, popup.y + popup.height)
                          for x in range(popup.x, popup.x + popup.width)]
                send_keys("Down", "Return")
                run.wait_exit()
                self.assert_trace("chosen 4")
                seen.append((popup.width, popup.height, pixels, chosen.read_bytes()))
        self.assertTrue(seen[0][3].startswith(b"Caf\xe9 "))  # appended in ANSI, with the clipboard
        self.assertTrue(seen[0] == seen[1], "the UTF-8 file looks and acts as its ANSI twin")

    def test_files_named_in_any_script_open_from_a_folder_menu(self):
        greek = self.folder.root / "\u0388\u03b3\u03b3\u03c1\u03b1\u03c6\u03b1"
        greek.mkdir()
        args = record_opening(self, self.folder, ".kovtest", "KOV.e2e.kovtestfile")
        names = ["\u041f\u0440\u0438\u0432\u0435\u0442.kovtest", "\u4e2d\u6587.kovtest",
                 "\U0001F600.kovtest"]
        for name in names:
            path = greek / name
            with self.case(name):
                path.write_bytes(b"x")
                self.folder.write("KOV.mnu", (
                    f"@NoProgramMenu 1\r\n\u00a6qF|{windows_path(path.parent)}|*.kovtest\r\n"
                ).encode("utf-8"))
                args.unlink(missing_ok=True)
                run = self.folder.start()
                run.wait_popup()
                self.press(run, ("Down", "Right"), ("Return",))
                run.wait_exit()
                poll(lambda: args.exists() and args.read_bytes().endswith(b"\r\n"), 10,
                     "the file to be opened")
                opened = args.read_bytes().decode("utf-8").split('" "', 1)[1][:-3]
                self.assertEqual(windows_path(path).lower(), opened.lower())
                path.unlink()

    def test_a_program_in_a_cyrillic_folder_starts(self):
        folder = self.folder.root / "\u041f\u0440\u043e\u0433\u0440\u0430\u043c\u043c\u044b"
        folder.mkdir()
        shutil.copyfile(harness.helper_exe("arg_recorder"), folder / "recorder.exe")
        self.folder.write("KOV.mnu", (
            f"@NoProgramMenu 1\r\nRun\t{windows_path(folder / 'recorder.exe')}|hello\r\n"
        ).encode("utf-8"))
        run = self.folder.start()
        run.wait_popup()
        send_keys("Down", "Return")
        run.wait_exit()
        args = folder / "args.txt"
        poll(lambda: args.exists() and args.read_bytes().endswith(b"\r\n"), 10,
             "the program to start")
        self.assertTrue(args.read_bytes().decode("utf-8").rstrip().endswith("hello"))

    def test_a_file_past_max_path_opens(self):
        args = record_opening(self, self.folder, ".kovtest", "KOV.e2e.kovtestfile")
        deep = self.folder.root
        while len(windows_path(deep)) < 230:
            deep = deep / ("a long folder name " + "x" * 20)
        deep.mkdir(parents=True)
        target = deep / ("a file " + "y" * 30 + ".kovtest")
        target.write_bytes(b"x")
        self.assertGreaterEqual(len(windows_path(target)), 270)
        self.folder.write("KOV.mnu", f"@NoProgramMenu 1\r\nOpen\t{windows_path(target)}\r\n".encode())
        run = self.folder.start()
        run.wait_popup()
        send_keys("Down", "Return")
        run.wait_exit()
        poll(lambda: args.exists() and args.read_bytes().endswith(b"\r\n"), 10,
             "the file to be opened")
        self.assertIn(target.name, args.read_bytes().decode("utf-8"))

    def test_a_utf8_language_file_translates_and_its_cyrillic_key_ends_the_program(self):
        self.folder.write("KOV.mnu", b"@LanguageFile .\\Russian.lng\r\nItem\tx\r\n")
        self.folder.write("Russian.lng", LANGUAGE.encode("utf-8"))
        run = self.folder.start()
        run.wait_popup()
        self.press(run, ("Down", "Right"), ("Cyrillic_ve",))
        run.wait_exit()
        self.assert_trace("chosen -2")


if __name__ == "__main__":
    unittest.main()
