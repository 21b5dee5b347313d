"""The settings window's translation editor: an edit, Save, and the question before an exit
would lose an edit."""

from __future__ import annotations

import unittest

from harness import KovTestCase, menu, poll, send_keys

LANGUAGE = menu("E&xit=&Quit", "&About...=&Om...", "OK=Okej")
SAVED = LANGUAGE.replace(b"=&Quit", b"=Sluta")


class SettingsTest(KovTestCase):
    def test_save_writes_an_edit_and_exit_asks_before_losing_one(self):
        self.folder.write("KOV.mnu", menu("@LanguageFile .\\Svenska.lng", "Item\tx"))
        language = self.folder.write("Svenska.lng", LANGUAGE)
        run = self.folder.start()
        run.wait_popup()
        self.press(run, ("Down", "Right"), ("Return",))
        window = run.wait_message_box()

        def exit_question():
            return run.wait_message_box(other_than=window)

        # The list has the focus: select the first entry, edit its translation in the text box
        # and Save, the next control.
        send_keys("Down", "Tab", "ctrl+a", "S", "l", "u", "t", "a", "Tab", "space", window=window.id)
        poll(lambda: language.read_bytes() == SAVED, 10, "the saved language file")
        # A second edit, still in the text box when the window closes: No keeps the window, Yes
        # ends without saving.
        send_keys("shift+Tab", "ctrl+a", "X", "Escape", window=window.id)
        question = exit_question()
        send_keys("n", window=question.id)
        poll(lambda: question.id not in [w.id for w in run.windows()], 10, "the question to close")
        self.assertIsNone(run.process.poll(), "No ended the program")
        send_keys("Escape", window=window.id)
        send_keys("y", window=exit_question().id)
        run.wait_exit()
        self.assertEqual(SAVED, language.read_bytes(), "the edit given up was saved")
        self.assert_trace("chosen -3")


if __name__ == "__main__":
    unittest.main()
