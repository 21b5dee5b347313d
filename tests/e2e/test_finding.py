"""Typing finds entries; Ctrl+Shift and Shift change what a chosen entry does."""

from __future__ import annotations

from harness import KovTestCase, menu, move_mouse, poll, reg, windows_path, x_windows


class FindingTest(KovTestCase):
    def folder_menu(self, *names: str):
        docs = self.folder.root / "Docs27"
        docs.mkdir()
        for name in names:
            (docs / name).write_bytes(b"x")
        self.folder.write("KOV.mnu", menu("@NoProgramMenu 1", f"\u00a6qDocs|{windows_path(docs)}|*.kovtest"))
        return docs

    def test_two_typed_letters_find_an_entry_among_200_files(self):
        docs = self.folder_menu(*(f"{n:03d} entry.kovtest" for n in range(198)), "zebra.kovtest",
                                "zulu.kovtest")
        self.record_opening(".kovtest")
        self.press(("Down", "Right"), ("z", "u", "Return")).wait_exit()
        self.assertEqual([f'"{windows_path(docs / "zulu.kovtest")}"'], self.recorded(1))

    def test_ctrl_shift_enter_runs_as_administrator_and_shift_enter_shows_the_file(self):
        docs = self.folder_menu("alpha.kovtest", "beta.kovtest")
        recorder = self.record_opening(".kovtest")
        reg("add", "HKCR\\KOV.e2e\\shell\\runas\\command", "/ve", "/d", f'"{recorder}" runas "%1"')
        self.press(("Down", "Right"), ("Down", "ctrl+shift+Return")).wait_exit()
        self.assertEqual([f'runas "{windows_path(docs / "beta.kovtest")}"'], self.recorded(1))

        self.press(("Down", "Right"), ("shift+Return",)).wait_exit()
        poll(lambda: x_windows("--name", "^Docs27$"), 15, "Explorer showing Docs27")
        self.folder.write("KOV.mnu", menu("@NoProgramMenu 1", "Close\t\u00a6x|Docs27"))
        self.press(("Down", "Return")).wait_exit()
        poll(lambda: not x_windows("--name", "^Docs27$"), 15, "Explorer to close")
        self.assertEqual(1, len(self.recorded(1)))  # shown, not opened

    def test_right_click_shows_the_shells_menu_and_escape_returns_to_the_popup(self):
        self.record_opening(".kovtest")
        doc = self.folder.write("doc.kovtest", b"x")
        self.folder.write("KOV.mnu", menu("@NoProgramMenu 1", "Other\tnotepad.exe",
                                          f"Doc\t{windows_path(doc)}"))
        run, popup = self.start_popup()
        # The second of two items, then the shell's menu as a second popup over it.
        move_mouse(popup.x + popup.width // 2, popup.y + popup.height * 3 // 4, "click", "3")
        run.wait_popup(count=2)
        self.press(("Escape",), run=run)
        poll(lambda: len(run.windows()) == 1, 10, "the shell's menu to close, the popup to stay")
        self.press(("Return",), run=run).wait_exit()
        self.assertEqual([f'"{windows_path(doc)}"'], self.recorded(1))
