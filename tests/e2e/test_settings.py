"""The settings window: Save writes an edit, exit asks before losing one, and files no one
should write leave the popup and the window usable and unchanged."""

from __future__ import annotations

import random

from harness import KovTestCase, menu, poll, send_keys, wait_bytes

LANGUAGE = menu("E&xit=&Quit", "&About...=&Om...", "OK=Okej")
SAVED = LANGUAGE.replace(b"=&Quit", b"=Sluta")
SAVED_AFTER_NO = LANGUAGE.replace(b"=&Quit", b"=Y")
COMMENT = b";" + b"x" * 17 + b"\r\n"  # 20 bytes: a million lines make 20 MB


class SettingsTest(KovTestCase):
    def test_save_writes_an_edit_and_exit_asks_before_losing_one(self):
        self.folder.write("KOV.mnu", menu("@LanguageFile .\\Svenska.lng", "Item\tx"))
        language = self.folder.write("Svenska.lng", LANGUAGE)
        run = self.press(("Down", "Right"), ("Return",))
        window = run.wait_message_box()

        # The list has the focus: select the first entry, edit its translation in the text box
        # and Save, the next control.
        send_keys("Down", "Tab", "ctrl+a", "S", "l", "u", "t", "a", "Tab", "space", window=window.id)
        wait_bytes(language, SAVED)
        # A second edit, still in the text box when the window closes: No keeps the window with
        # the focus back in the text box, Yes ends without saving.
        send_keys("shift+Tab", "ctrl+a", "X", "Escape", window=window.id)
        question = run.wait_message_box(other_than=window)
        send_keys("n", window=question.id)
        poll(lambda: question.id not in [w.id for w in run.windows()], 10, "the question to close")
        self.assertIsNone(run.process.poll(), "No ended the program")
        send_keys("ctrl+a", "Y", "Tab", "space", window=window.id)
        wait_bytes(language, SAVED_AFTER_NO)
        send_keys("shift+Tab", "ctrl+a", "X", "Escape", window=window.id)
        send_keys("y", window=run.wait_message_box(other_than=window).id)
        run.wait_exit()
        self.assertEqual(SAVED_AFTER_NO, language.read_bytes(), "the edit given up was saved")
        self.assert_trace("chosen -3")

    def test_binary_deep_and_huge_files_show_the_popup_and_the_settings_window(self):
        # Binary bytes with NULs, 10,000 nested submenus (which the system would destroy on a
        # stack they overflow), then 20 MB of a million lines: the builder must be linear in the
        # file size. The language file is binary too.
        data = (menu("@LanguageFile .\\Svenska.lng", "Item\tx") +
                random.Random(1).randbytes(256 * 1024) + b"\r\n" +
                menu(*(f"[Level {i}" for i in range(10_000))) + COMMENT * (1 << 20))
        language = bytes(range(256)) * 4096
        files = [self.folder.write("KOV.mnu", data), self.folder.write("Svenska.lng", language)]
        # Settings comes after the entry for the file's many problems.
        run = self.press(("Down", "Right"), ("Down", "Return"), timeout=60)
        send_keys("Escape", window=run.wait_message_box().id)
        self.assertEqual(0, run.wait_exit(timeout=30))
        self.assert_trace("chosen -3")
        self.assertEqual([data, language], [file.read_bytes() for file in files])
        self.assertEqual({"KOV.exe", "KOV.mnu", "Svenska.lng", "trace.txt"},
                         {p.name for p in self.folder.path.iterdir()})
