"""A menu file's problems: "/check" prints them as compilers do while another KOV is up, and the
popup's "Problems (N)" opens the list, whose Edit button edits the menu file."""

from __future__ import annotations

import os
import re
import shutil
import subprocess
import unittest

from harness import (START_DEADLINE, KovTestCase, helper_exe, menu, poll, recorded, send_keys,
                     windows_path)

PROBLEMS = menu("@BGMenuColour 255, 0, 0", "Item\tnotepad.exe", "[Sub", "]", "]",
                "Bad\t\u00a6z|x", "Here\tC:\\windows\\system32\\notepad.exe",
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
        self.assertEqual([f"{where}(1): unknown setting @BGMenuColour; did you mean @BGMenuColor?",
                          f"{where}(5): ] without an open submenu",
                          f"{where}(6): unknown special command \u00a6z",
                          f"{where}(8): program not found: C:\\windows\\none.exe /x", ""],
                         out.read_bytes().decode("utf-8").split("\r\n"))
        self.assertEqual(4, done.returncode)
        self.assertEqual(1, len(first.windows()), "the check showed a window")
        send_keys("Escape")
        first.wait_exit()

    def test_check_reports_a_wildcard_and_a_locked_file_as_not_read(self):
        self.folder.write("a.mnu", menu("Item\tnotepad.exe"))
        locked = self.folder.write("locked.mnu", menu("Item\tnotepad.exe"))
        holder = subprocess.Popen([os.environ["WINE"], str(helper_exe("file_holder")),
                                   windows_path(locked)], stdout=subprocess.DEVNULL,
                                  stderr=subprocess.DEVNULL)
        self.addCleanup(lambda: holder.poll() is None and (holder.kill(), holder.wait(5)))
        marker = locked.with_name("locked.mnu.held")
        poll(marker.exists, START_DEADLINE, "the file to be held")
        lines = []
        for path in (windows_path(self.folder.path / "?.mnu"), windows_path(locked)):
            out = self.folder.path / "out.txt"
            done = subprocess.run([os.environ["WINE"], "cmd", "/c",
                                   f"{windows_path(self.folder.exe)} /check {path} > "
                                   f"{windows_path(out)}"], timeout=30, capture_output=True)
            self.assertEqual(1, done.returncode, path)
            lines.append(out.read_bytes().decode("utf-8"))
        marker.unlink()
        self.assertEqual(f"{windows_path(self.folder.path / '?.mnu')}: the menu file was not found\r\n",
                         lines[0])
        self.assertRegex(lines[1], rf"^{re.escape(windows_path(locked))}: the menu file could not "
                                   r"be read \(.+\)\r\n$")

    def test_problems_entry_lists_them_and_edits_the_menu(self):
        shutil.copyfile(helper_exe("arg_recorder"), self.folder.path / "recorder.exe")
        self.folder.write("KOV.mnu", menu("@MenuEditor .\\recorder.exe|\u00a6m") + PROBLEMS)
        # "Problems (4)" is the program submenu's first entry; the list opens with the focus in
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


if __name__ == "__main__":
    unittest.main()
