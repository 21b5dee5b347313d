"""Chosen items do what their command fields say: files written by commands, lines appended,
the clipboard, windows opened and closed, and what the browser receives."""

from __future__ import annotations

import datetime
import unittest

from harness import KovTestCase, Run, poll, record_opening, send_keys, windows_path, _xdotool

CRLF = b"\r\n"
TAB = b"\t"
BAR = b"\xa6"


def menu(*lines: bytes) -> bytes:
    return CRLF.join(lines) + CRLF


def x_windows_named(name: str) -> list[str]:
    return _xdotool("search", "--name", name).split()


class ChoosingTestCase(KovTestCase):
    def choose_first_item(self) -> Run:
        """Starts the program and chooses the menu file's first item (after the program menu)."""
        run = self.folder.start()
        run.wait_popup()
        send_keys("Down", "Down", "Return")
        return run

    def wait_file(self, name: str, content: bytes) -> None:
        path = self.folder.path / name
        poll(lambda: path.exists() and path.read_bytes() == content, 10,
             f"{name} to hold {content!r}")


class CommandsTest(ChoosingTestCase):
    def test_command_runs_in_its_working_folder_and_program_ends(self):
        self.folder.write("KOV.mnu", menu(b"Write" + TAB + b"cmd.exe|/c echo x> out.txt|.\\|0"))
        run = self.choose_first_item()
        run.wait_exit()
        self.wait_file("out.txt", b"x\r\n")
        self.assert_trace("chosen 1")

    def test_append_adds_lines_in_place(self):
        old = b"first\r\n\x00\xff binary tail"
        self.folder.write("log.txt", old)
        self.folder.write("KOV.mnu", menu(
            b"Append" + TAB + BAR + b"a.\\log.txt|line \xa6d(yyyy)\\tend" + TAB + BAR +
            b"a.\\missing.txt|x"))
        run = self.choose_first_item()
        # The missing file is reported; nothing creates it.
        run.answer_message_box("Return")
        run.wait_exit()
        year = str(datetime.date.today().year).encode()
        self.wait_file("log.txt", old + b"line " + year + b"\tend\r\n")
        self.assertFalse((self.folder.path / "missing.txt").exists())

    def test_clipboard_round_trip_through_copy_and_placeholder(self):
        self.folder.write("notes.txt", b"from notes")
        self.folder.write("KOV.mnu", menu(b"Copy" + TAB + BAR + b"c|notes.txt"))
        self.choose_first_item().wait_exit()
        # A second run reads the clipboard back through the text placeholder.
        self.folder.write("KOV.mnu", menu(
            b"Paste" + TAB + BAR + b"a.\\clip.txt|[\xa6s]" + TAB + BAR + b"s|set \xa6S" + TAB +
            BAR + b"a.\\clip.txt|[\xa6s]"))
        self.folder.write("clip.txt", b"")
        self.choose_first_item().wait_exit()
        self.wait_file("clip.txt", b"[from notes]\r\n[set from notes]\r\n")

    def test_unknown_special_command_is_reported_and_later_fields_run(self):
        self.folder.write("KOV.mnu", menu(
            b"Bad" + TAB + BAR + b"z|x" + TAB + b"cmd.exe|/c echo y> after.txt|.\\"))
        run = self.choose_first_item()
        run.answer_message_box("Return")
        run.wait_exit()
        self.wait_file("after.txt", b"y\r\n")

    def test_window_opens_and_closes_by_title(self):
        self.folder.write("note.txt", b"hello")
        self.folder.write("KOV.mnu", menu(b"Open" + TAB + b"notepad.exe|.\\note.txt"))
        self.choose_first_item().wait_exit()
        poll(lambda: x_windows_named("note.txt - Notepad"), 15, "Notepad's window")

        self.folder.write("KOV.mnu", menu(b"Close" + TAB + BAR + b"x|NOTE.TXT - notepad"))
        self.choose_first_item().wait_exit()
        poll(lambda: not x_windows_named("note.txt - Notepad"), 15, "Notepad to close")


class OpenUrlTest(ChoosingTestCase):
    """A recording program registered as the ".htm" handler shows what OpenURL passes on."""

    def setUp(self) -> None:
        super().setUp()
        # The test prefix knows no ".htm" association; the test's own goes again afterwards.
        record_opening(self, self.folder, ".htm", "KOV.e2e.htmfile")

    def test_urls_reach_the_browser_encoded_and_without_blanks(self):
        self.folder.write("KOV.mnu", menu(
            b"Urls" + TAB + BAR + b"s|a b&c" + TAB + b"http://x.test/?q=\xa6s" + TAB +
            b"WWW.x.test/p q |ignored"))
        self.choose_first_item().wait_exit()
        args = self.folder.path / "args.txt"
        poll(lambda: args.exists() and args.read_bytes().count(CRLF) == 2, 10, "two browser starts")
        # Both browsers run at once, so either may write first.
        recorder = f'"{windows_path(self.folder.path / "recorder.exe")}" '.encode()
        lines = sorted(args.read_bytes().split(CRLF)[:2])
        self.assertEqual([recorder + b"WWW.x.test/p%20q", recorder + b"http://x.test/?q=a+b%26c"],
                         lines)
        self.assertFalse((self.folder.path / "Temp.htm").exists())


if __name__ == "__main__":
    unittest.main()
