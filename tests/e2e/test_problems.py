"""A menu file's problems: "/check" prints them as compilers do while another KOV is up, and the
popup's "Problems (N)" opens the list, whose Edit button edits the menu file."""

from __future__ import annotations

import os
import shutil
import subprocess

from harness import KovTestCase, helper_exe, menu, recorded, send_keys, windows_path

# The wording is the host tests'; here a non-ASCII character reaches the redirected output, and
# the disk is asked whether a program is there.
PROBLEMS = menu("Bad\t\u00a6z|x", "Here\tC:\\windows\\system32\\notepad.exe",
                "Gone\tC:\\windows\\none.exe /x")


class ProblemsTest(KovTestCase):
    def test_check_prints_path_line_and_message_and_ends_with_the_count(self):
        self.folder.write("KOV.mnu", menu("Item\tnotepad.exe"))
        checked = self.folder.write("checked.mnu", PROBLEMS)
        first = self.folder.start()
        first.wait_popup()
        out = self.folder.path / "out.txt"
        # cmd would strip the outer pair of several quotes; the scratch paths hold no blanks.
        command = f"{windows_path(self.folder.exe)} /check {windows_path(checked)} > {windows_path(out)}"
        done = subprocess.run([os.environ["WINE"], "cmd", "/c", command], timeout=30,
                              capture_output=True)
        where = windows_path(checked)
        self.assertEqual([f"{where}(1): unknown special command \u00a6z",
                          f"{where}(3): program not found: C:\\windows\\none.exe /x", ""],
                         out.read_bytes().decode("utf-8").split("\r\n"))
        self.assertEqual(2, done.returncode)
        self.assertEqual(1, len(first.windows()), "the check showed a window")
        send_keys("Escape")
        first.wait_exit()

    def test_problems_entry_lists_them_and_edits_the_menu(self):
        shutil.copyfile(helper_exe("arg_recorder"), self.folder.path / "recorder.exe")
        self.folder.write("KOV.mnu", menu("@MenuEditor .\\recorder.exe|\u00a6m") + PROBLEMS)
        # "Problems (2)" is the program submenu's first entry; the list opens with the focus in
        # its text box, then Edit the menu and Close.
        run = self.press(("Down", "Right"), ("Return",))
        window = run.wait_message_box()
        send_keys("Tab", "space", window=window.id)
        self.assertTrue(recorded(self.folder.path / "args.txt", 1)[0].endswith(
            windows_path(self.folder.menu_file)))
        self.assertIsNone(run.process.poll(), "Edit ended the program")
        send_keys("Tab", "space", window=window.id)
        self.assertEqual(0, run.wait_exit())
        self.assert_trace("chosen -6")
