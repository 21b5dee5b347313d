"""Chosen items do what their commands say, and folder menus open what is chosen in them."""

from __future__ import annotations

import datetime
import os
import shutil

from harness import KovTestCase, wait_bytes, windows_path


class CommandsTest(KovTestCase):
    def test_one_item_runs_a_command_of_each_kind(self):
        folder = self.folder
        self.record_opening(".htm", ".kovtest")
        deep = folder.root
        while len(windows_path(deep)) < 230:
            deep = deep / ("a long folder name " + "x" * 20)
        deep.mkdir(parents=True)
        far = deep / ("a file " + "y" * 30 + ".kovtest")  # past the 260-character path limit
        far.write_bytes(b"x")
        folder.write("notes.txt", b"from notes")
        folder.write("clip.txt", b"")
        commands = [windows_path(far), "cmd.exe|/c echo x> out.txt|.\\|0",
                    # The clipboard from a file, read back with the year.
                    "\u00a6c|notes.txt", "\u00a6a.\\clip.txt|[\u00a6s] \u00a6d(yyyy)",
                    "\u00a6s|a b&c", "http://x.test/?q=\u00a6s"]
        folder.write("KOV.mnu", ("All\t" + "\t".join(commands) + "\r\n").encode("utf-8"))
        self.press(("Down", "Down", "Return")).wait_exit()
        self.assert_trace("chosen 1")
        wait_bytes(folder.path / "out.txt", b"x\r\n")
        wait_bytes(folder.path / "clip.txt", f"[from notes] {datetime.date.today().year}\r\n".encode())
        far_file, url = self.recorded(2)
        self.assertEqual("http://x.test/?q=a+b%26c", url)
        self.assertTrue(far_file.startswith('"') and far_file.endswith(far.name + '"'))

    def test_folder_menus_read_each_folder_as_it_opens_and_open_the_chosen_file(self):
        # Opened in the order Docs, alpha, inner, the entries are numbered: top and top2
        # 2001-2002, Docs' "." 2003, one 2004, alpha's "." 2005, the file in inner 2006. Read
        # whole before the popup, that file would be 2001.
        tree = self.folder.root / "\u0388\u03b3\u03b3\u03c1\u03b1\u03c6\u03b1"
        (tree / "alpha" / "inner").mkdir(parents=True)
        chosen = tree / "alpha" / "inner" / "\u041f\u0440\u0438\u0432\u0435\u0442 \u4e2d\u6587 \U0001F600.kovtest"
        for path in [tree / "top.kovtest", tree / "top2.kovtest", tree / "notes.doc",
                     tree / "alpha" / "one.kovtest", chosen]:
            path.write_bytes(b"x")
        self.folder.write("KOV.mnu", (f"@NoProgramMenu 1\r\n\u00a6qDocs|{windows_path(tree)}|"
                                      "*.kovtest\r\n").encode("utf-8"))
        self.record_opening(".kovtest")

        def choose_the_deepest_entry():
            # Each Right opens the selected submenu with its first entry selected.
            self.press(("Down", "Right"), ("Right",), ("Right",), ("Return",)).wait_exit()
            self.assert_trace("chosen 2006")
            self.folder.trace.unlink()

        choose_the_deepest_entry()
        self.assertEqual([f'"{windows_path(chosen)}"'], self.recorded(1))
        # A link back up the tree shows only its own entry: without the guard, its first entry
        # would be the submenu alpha, which Return would open instead of ending the program.
        shutil.rmtree(tree / "alpha" / "inner")
        os.symlink(tree, tree / "alpha" / "loop")
        choose_the_deepest_entry()
