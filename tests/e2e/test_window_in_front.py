"""The window in front when KOV starts: sections for its program, its folder, and folders opened
in it."""

from __future__ import annotations

import os
import subprocess

from harness import (KovTestCase, helper_exe, menu, move_mouse, poll, send_keys, visible_windows,
                     wait_bytes, windows_path, x_windows)


class WindowInFrontTest(KovTestCase):
    def start_in_front(self, title: str, *command: str) -> None:
        process = subprocess.Popen([os.environ["WINE"], *command], cwd=self.folder.root,
                                   stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        self.addCleanup(lambda: process.poll() is None and (process.kill(), process.wait(5)))
        poll(lambda: x_windows("--onlyvisible", "--name", title), 15, f"the window {title!r}")
        self.in_front = process

    def choose_first_entry(self) -> None:
        self.press(("Down", "Down", "Return")).wait_exit()

    def test_a_section_shows_over_its_program_only(self):
        self.folder.write("KOV.mnu", menu("@ForPrograms *PAD.exe; class=NoSuchClass",
                                          "Pad\t\u00a6s|pad", "@ForPrograms", "All\t\u00a6s|all"))
        self.start_in_front("Notepad", "notepad.exe")
        self.choose_first_entry()
        self.in_front.kill()
        self.in_front.wait(5)
        self.choose_first_entry()
        self.assert_trace("chosen 2", "chosen 4")

    def test_a_file_dialog_gives_its_folder_and_goes_where_a_folder_entry_says(self):
        start, target = self.folder.root / "start", self.folder.root / "target \u00e9"
        start.mkdir()
        target.mkdir()
        result = self.folder.root / "chosen.txt"
        self.start_in_front("KOV test dialog", str(helper_exe("file_dialog")), windows_path(start),
                            "typed.txt", windows_path(result))
        where = self.folder.root / "where.txt"
        # "Command prompt here", with the prompt's answer kept.
        self.folder.write("KOV.mnu", menu(f'Where\tcmd.exe|/c cd > "{windows_path(where)}"|\u00a6w|0'))
        self.choose_first_entry()
        wait_bytes(where, windows_path(start).encode() + b"\r\n")
        self.folder.write("KOV.mnu", menu("Go\t" + windows_path(target)))
        # The dialog back in front as the user would bring it: KOV's end leaves the front to
        # whichever window Wine picks.
        window = visible_windows("file_dialog.exe")[0]
        move_mouse(window.x + window.width // 2, window.y + 5, "click", "1")
        move_mouse(*self.CURSOR)
        self.choose_first_entry()
        dialog = int(x_windows("--onlyvisible", "--name", "KOV test dialog")[0])
        send_keys("Return", window=dialog)
        wait_bytes(result, windows_path(target / "typed.txt").encode("utf-16-le"))
