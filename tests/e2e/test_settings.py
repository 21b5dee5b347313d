"""The language file, the About dialog and the settings window with its translation editor."""

from __future__ import annotations

import unittest

from harness import KovTestCase, poll, send_keys
from menus import append_item, menu

# The program submenu holds Settings, Edit the menu, About..., Help, Exit; Right opens it with
# its first entry highlighted.
OPEN_PROGRAM_MENU = ("Down", "Right")

LANGUAGE = menu(
    "E&xit=&Quit",
    "&About...=&Om...",
    "Version=Utg\u00e5va",
    "OK=Okej",
    "Save=Spara",
)
WITH_LANGUAGE = menu("@LanguageFile .\\Svenska.lng", append_item("Item", "item"))


class SettingsTest(KovTestCase):
    def start_with_language(self):
        self.folder.write("KOV.mnu", WITH_LANGUAGE)
        self.folder.write("Svenska.lng", LANGUAGE)
        run = self.folder.start()
        run.wait_popup()
        return run

    @staticmethod
    def message_box_over(run, window, what):
        """A message box of the program shown over its settings window (both are titled KOV)."""
        return poll(lambda: [w for w in run.windows() if w.name == "KOV" and w.id != window.id],
                    10, what)[0]

    def open_settings(self, run):
        self.press(run, OPEN_PROGRAM_MENU, ("Return",))
        return run.wait_message_box("KOV")  # the settings window is titled like a message box

    def test_translated_access_key_ends_the_program(self):
        run = self.start_with_language()
        self.press(run, OPEN_PROGRAM_MENU, ("q",))
        run.wait_exit()
        self.assert_trace("chosen -2")

    def test_about_from_the_popup_is_the_only_window_and_ok_ends(self):
        run = self.start_with_language()
        self.press(run, OPEN_PROGRAM_MENU, ("Down", "Down", "Return"))
        about = run.wait_message_box("Om KOV")
        self.assertEqual(["Om KOV"], [w.name for w in run.windows() if w.name])
        send_keys("Return", window=about.id)
        run.wait_exit()
        self.assert_trace("chosen -1")

    def test_escape_closes_the_settings_window_without_changes(self):
        run = self.start_with_language()
        window = self.open_settings(run)
        send_keys("Escape", window=window.id)
        run.wait_exit()
        self.assert_trace("chosen -3")

    def test_unsaved_change_asks_before_exit_and_no_keeps_the_window(self):
        run = self.start_with_language()
        window = self.open_settings(run)
        # The list has the focus: select the first entry and edit its translation in the text
        # box; closing counts the edit still in the text box as a change.
        send_keys("Down", "Tab", "ctrl+a", "S", "l", "u", "t", "a", window=window.id)
        send_keys("Escape", window=window.id)
        question = self.message_box_over(run, window, "the exit question")
        send_keys("n", window=question.id)
        poll(lambda: [w for w in run.windows() if w.id == question.id] == [], 10,
             "the question to close")
        self.assertIsNone(run.process.poll(), "No ended the program")
        send_keys("Escape", window=window.id)
        question = self.message_box_over(run, window, "the exit question again")
        send_keys("y", window=question.id)
        run.wait_exit()
        self.assertEqual(LANGUAGE, (self.folder.path / "Svenska.lng").read_bytes(),
                         "the language file changed without Save")

    def test_save_writes_exactly_the_list(self):
        self.folder.write("KOV.mnu", WITH_LANGUAGE)
        self.folder.write("Svenska.lng", b"  OK=Okej\t\r\nno equals sign\r\nUnknown=kept\r\n")
        run = self.folder.start()
        run.wait_popup()
        window = self.open_settings(run)
        # First entry, a new translation, then Save (two tabs on from the text box).
        send_keys("Down", "Tab", "ctrl+a", "J", "a", "Tab", "space", window=window.id)
        poll(lambda: (self.folder.path / "Svenska.lng").read_bytes() == b"OK=Ja\r\nUnknown=kept\r\n",
             10, "the saved language file")
        send_keys("Escape", window=window.id)
        run.wait_exit()  # saved: no question

    def test_create_new_writes_the_template_and_fills_an_empty_list(self):
        self.folder.write("KOV.mnu", menu(append_item("Item", "item")))
        run = self.folder.start()
        run.wait_popup()
        window = self.open_settings(run)
        # Without a language file only Create new takes the focus.
        send_keys("space", window=window.id)
        info = self.message_box_over(run, window, "the message about the new file")
        send_keys("Return", window=info.id)
        template = self.folder.path / "Translation.lng"
        lines = template.read_bytes().split(b"\r\n")
        self.assertEqual(30, len(lines))  # 29 lines, each ended by CR LF
        self.assertEqual(b"OK=OK", lines[0])
        self.assertEqual(b"KOV is a menu program.=KOV is a menu program.", lines[14])
        send_keys("Escape", window=window.id)
        run.wait_exit()

    def test_huge_and_binary_language_files_keep_popup_and_window_usable(self):
        many = b"".join(b"key%d=value %d\r\n" % (i, i) for i in range(100000))
        cases = [
            ("100,000 entries and a key of 10,000 characters",
             many + b"k" * 10000 + b"=long\r\n"),
            ("binary", bytes(range(256)) * 4096),
            ("byte-order mark", b"\xef\xbb\xbfOK=Bom\r\nSave=Spara\r\n"),
        ]
        self.folder.write("KOV.mnu", WITH_LANGUAGE)
        for name, data in cases:
            with self.case(name):
                language = self.folder.write("Svenska.lng", data)
                run = self.folder.start()
                run.wait_popup()
                window = self.open_settings(run)
                send_keys("Escape", window=window.id)
                run.wait_exit(timeout=30)
                self.assertEqual(data, language.read_bytes())


if __name__ == "__main__":
    unittest.main()
