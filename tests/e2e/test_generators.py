"""Submenus written by a program: an entry a batch file wrote runs, and a program that never
ends is not waited for once its submenu is left, leaves no process behind, and runs again when
the submenu opens again."""

from __future__ import annotations

import shutil

from harness import KovTestCase, build_dir, menu, poll, send_keys, session_programs


class GeneratorsTest(KovTestCase):
    def test_an_entry_a_batch_file_wrote_runs_its_command(self):
        self.folder.write("gen.bat", b"@echo off\r\necho Made\tcmd.exe^|/c echo made^> made.txt"
                                     b"^|.\\^|0\r\n")
        self.folder.write("KOV.mnu", menu("@NoProgramMenu 1", "\u00a6oFrom a program|.\\gen.bat"))
        self.press(("Down", "Right"), ("Return",)).wait_exit()
        # Four lines read from the file (with the one its last line end leaves and the one KOV
        # adds), so the program's first line is the fifth.
        self.assert_trace("chosen 5")
        made = self.folder.path / "made.txt"
        poll(lambda: made.exists() and made.read_bytes() == b"made\r\n", 10, "made.txt")

    def test_a_program_that_never_ends_is_ended_with_all_it_started_when_its_submenu_is_left(self):
        shutil.copyfile(build_dir() / "generator_probe.exe", self.folder.path / "probe.exe")
        self.folder.write("KOV.mnu", menu("@NoProgramMenu 1", "@GeneratorTimeout 60000",
                                          "\u00a6oSlow|.\\probe.exe|forever"))
        run = self.press(("Down", "Right"))
        # Escape and then Left leave the submenu long before the deadline; the popup stays and
        # opens the submenu again.
        for leave in ("Escape", "Left"):
            poll(lambda: len(session_programs("probe.exe")) == 2, 10, "the program and its child")
            send_keys(leave)
            poll(lambda: not session_programs("probe.exe"), 10, "the program and its child to end")
            if leave == "Escape":
                send_keys("Right")
        send_keys("Escape")
        run.wait_exit()
        self.assert_trace("chosen 0")
