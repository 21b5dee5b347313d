"""One start, one popup, one choice, then the end: the first run writes and shows the sample, a
second start meanwhile ends at once, and the command line names the menu file, relative to the
program's folder."""

from __future__ import annotations

from harness import ROOT, KovTestCase, menu, screenshot_when, send_keys

SAMPLE = (ROOT / "tests" / "data" / "sample.mnu").read_bytes()
GREY, SELECTED = (236, 236, 236), {(128, 168, 228), (156, 190, 238)}
# A menu whose UTF-8 language file alone gives About its title and, not first, its key P: a
# Cyrillic key would be typed by remapping a key code, which Wine may read before the mapping.
TRANSLATED = menu("@LanguageFile .\\Svenska.lng", "Item\tx")
ABOUT, MENU = "\u041e \u043f\u0440\u043e\u0433\u0440\u0430\u043c\u043c\u0435", "\u041c\u0435\u043d\u044e"
LANGUAGE = f"&About...={ABOUT} (&P)...\r\n".encode("utf-8")
PLAIN = menu("Item\tx")


class RunCycleTest(KovTestCase):
    def test_yes_writes_the_sample_and_shows_it_in_its_skins(self):
        run = self.folder.start()
        box = run.wait_message_box()
        self.assertFalse(self.folder.menu_file.exists(), "file written before the answer")
        send_keys("y", window=box.id)
        popup = run.wait_popup()[0]
        self.assertEqual(SAMPLE, self.folder.menu_file.read_bytes())
        self.assertEqual((popup.x, popup.y), self.CURSOR, "popup not at the cursor")
        # The sample switches the default skins on, so they show that it was read back.
        screenshot_when(lambda s: GREY in s.colours(popup), "the skin's grey band")
        send_keys("Down")
        screenshot_when(lambda s: SELECTED <= s.colours(popup), "the selected skin")

        # Settings, the program submenu's first entry. Without a language file only Create new
        # takes the focus; it writes a template and says so.
        self.press(("Right",), ("Return",), run=run)
        window = run.wait_message_box()
        send_keys("space", window=window.id)
        send_keys("Return", window=run.wait_message_box(other_than=window).id)
        lines = (self.folder.path / "Translation.lng").read_bytes().split(b"\r\n")
        self.assertEqual((33, b"OK=OK"), (len(lines), lines[0]))  # 32 lines, each ended by CR LF
        send_keys("Escape", window=window.id)
        run.wait_exit()
        self.assert_trace("chosen -3")
        self.assertEqual(SAMPLE, self.folder.menu_file.read_bytes(), "sample changed by reading")

    def test_a_second_start_ends_at_once_and_the_command_line_names_the_menu_file(self):
        self.folder.write("KOV.mnu", PLAIN)
        self.folder.write("Svenska.lng", LANGUAGE)
        self.folder.write("named.mnu", PLAIN, base=self.folder.root)  # the working folder
        (self.folder.path / MENU).mkdir()
        self.folder.write(f"{MENU}/named.mnu", TRANSLATED)
        first, popup = self.start_popup(f".\\{MENU}\\named.mnu")
        second = self.folder.start()
        second.wait_exit(timeout=5)
        self.assertEqual({popup.id}, set(second.seen), "the second start showed a window")
        self.assertEqual([], self.folder.trace_lines(), "the second start reached dispatch")
        # The first popup is still up: the key the language file gives About chooses it in the
        # program submenu, and it is the only window, titled as translated.
        self.press(("Down", "Right"), ("p",), run=first)
        about = first.wait_message_box(f"{ABOUT} (P) KOV")
        self.assertEqual([f"{ABOUT} (P) KOV"], [w.name for w in first.windows() if w.name])
        send_keys("Return", window=about.id)
        first.wait_exit()
        self.assert_trace("chosen -1")
