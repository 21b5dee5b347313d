"""Submenus written by a program: a program that never ends is not waited for once its submenu is
left, leaves no process behind, and runs again when the submenu opens again; an entry a batch
file wrote runs."""

from __future__ import annotations

import shutil

from harness import KovTestCase, build_dir, menu, poll, send_keys, session_programs, wait_bytes


class GeneratorsTest(KovTestCase):
    def test_a_never_ending_program_is_ended_as_its_submenu_is_left_and_a_batch_file_runs(self):
        shutil.copyfile(build_dir() / "generator_probe.exe", self.folder.path / "probe.exe")
        self.folder.write("gen.bat", b"@echo off\r\necho Made\tcmd.exe^|/c echo made^> made.txt"
                                     b"^|.\\^|0\r\n")
        self.folder.write("KOV.mnu", menu("@NoProgramMenu 1", "@GeneratorTimeout 60000",
                                          "\u00a6oSlow|.\\probe.exe|forever",
                                          "\u00a6oFrom a program|.\\gen.bat"))
        run = self.press(("Down", "Right"))
        # Escape and then Left leave the submenu long before the deadline; the popup stays and
        # opens the submenu again, then the batch file's.
        for leave, then in [("Escape", "Right"), ("Left", "Down")]:
            poll(lambda: len(session_programs("probe.exe")) == 2, 10, "the program and its child")
            send_keys(leave)
            poll(lambda: not session_programs("probe.exe"), 10, "the program and its child to end")
            send_keys(then)
        self.press(("Right",), ("Return",), run=run).wait_exit()
        # Six lines read from the file (with the one its last line end leaves and the one KOV
        # adds), so the batch file's first line is the seventh.
        self.assert_trace("chosen 7")
        wait_bytes(self.folder.path / "made.txt", b"made\r\n")
