"""A menu file's problems: "/check" prints them as compilers do while another KOV is up, and that
KOV's "Problems (N)" opens the list, whose Edit button edits the menu file."""

from __future__ import annotations

import os
import shutil
import subprocess

from harness import KovTestCase, helper_exe, menu, send_keys, windows_path

# The wording is the host tests'; here a non-ASCII character reaches the redirected output, and
# the disk is asked whether a program is there.
PROBLEMS = menu("Bad\t\u00a6z|x", "Here\tC:\\windows\\system32\\notepad.exe",
                "Gone\tC:\\windows\\none.exe /x")


class ProblemsTest(KovTestCase):
    def test_check_prints_them_while_a_popup_is_up_whose_list_edits_the_menu(self):
        shutil.copyfile(helper_exe("arg_recorder"), self.folder.path / "recorder.exe")
        menu_file = self.folder.write("KOV.mnu",
                                      menu("@MenuEditor .\\recorder.exe|\u00a6m") + PROBLEMS)
        run = self.press()
        out, where = self.folder.path / "out.txt", windows_path(menu_file)
        # cmd would strip the outer pair of several quotes; the scratch paths hold no blanks.
        command = f"{windows_path(self.folder.exe)} /check {where} > {windows_path(out)}"
        done = subprocess.run([os.environ["WINE"], "cmd", "/c", command], timeout=30,
                              capture_output=True)
        self.assertEqual([f"{where}(2): unknown special command \u00a6z",
                          f"{where}(4): program not found: C:\\windows\\none.exe /x", ""],
                         out.read_bytes().decode("utf-8").split("\r\n"))
        self.assertEqual(2, done.returncode)
        self.assertEqual(1, len(run.windows()), "the check showed a window")
        # "Problems (2)" is the program submenu's first entry; the list opens with the focus in
        # its text box, then Edit the menu and Close.
        self.press(("Down", "Right"), ("Return",), run=run)
        window = run.wait_message_box()
        send_keys("Tab", "space", window=window.id)
        self.assertTrue(self.recorded(1)[0].endswith(where))
        self.assertIsNone(run.process.poll(), "Edit ended the program")
        send_keys("Tab", "space", window=window.id)
        self.assertEqual(0, run.wait_exit())
        self.assert_trace("chosen -6")
