"""Folder menus: each folder is read as its submenu opens, identifiers follow the order
in which the user opens folders, and a link back up the tree stops there."""

from __future__ import annotations

import os
import shutil
import unittest
from pathlib import Path

from harness import KovTestCase, poll, record_opening, windows_path
from menus import menu


class FolderMenuTest(KovTestCase):
    def make_tree(self) -> Path:
        """Docs holds alpha (holding one.txt and inner, holding deep.txt), top.txt, top2.txt
        and notes.doc. Opened in the order Docs, alpha, inner, the entries are numbered:
        top.txt and top2.txt 2001-2002, Docs' "." 2003, one.txt 2004, alpha's "." 2005,
        deep.txt 2006. Read whole before the popup, deep.txt would be 2001."""
        tree = self.folder.root / "Docs"
        (tree / "alpha" / "inner").mkdir(parents=True)
        for name in ("top.txt", "top2.txt", "notes.doc", "alpha/one.txt", "alpha/inner/deep.txt"):
            (tree / name).write_bytes(b"x")
        self.folder.write("KOV.mnu", menu("@NoProgramMenu 1",
                                          f"¦qDocs|{windows_path(tree)}|*.txt"))
        return tree

    def open_and_choose(self, *steps: tuple[str, ...]) -> None:
        """Types the key groups; every group but the last opens one more submenu and the
        next waits until it is up."""
        run = self.folder.start()
        run.wait_popup()
        self.press(run, *steps)
        run.wait_exit()

    def test_identifiers_follow_the_order_folders_are_opened(self):
        self.make_tree()
        # Down selects Docs; each Right opens a submenu with its first entry selected: alpha,
        # inner, deep.txt.
        self.open_and_choose(("Down", "Right"), ("Right",), ("Right",), ("Return",))
        self.assert_trace("chosen 2006")
        self.assert_no_windows_left()

    def test_a_link_back_to_the_tree_shows_only_its_own_entry(self):
        tree = self.make_tree()
        shutil.rmtree(tree / "alpha" / "inner")
        os.symlink(tree, tree / "alpha" / "loop")
        # Without the guard, loop's first entry would be the submenu alpha and Return
        # would open it instead of ending the program.
        self.open_and_choose(("Down", "Right"), ("Right",), ("Right",), ("Return",))
        self.assert_trace("chosen 2006")

    def test_a_chosen_entry_opens_its_file_through_the_shell(self):
        tree = self.folder.root / "Papers"
        tree.mkdir()
        (tree / "report.kovtest").write_bytes(b"x")
        self.folder.write("KOV.mnu", menu("@NoProgramMenu 1",
                                          f"¦qPapers|{windows_path(tree)}|*.kovtest"))
        args = record_opening(self, self.folder, ".kovtest", "KOV.e2e.kovtestfile")
        # Down selects Papers, Right opens it with report.kovtest selected.
        self.open_and_choose(("Down", "Right"), ("Return",))
        self.assert_trace("chosen 2001")
        poll(lambda: args.exists() and args.read_bytes().endswith(b"\r\n"), 10,
             "the file to be opened")
        recorder = windows_path(self.folder.path / "recorder.exe")
        self.assertEqual(f'"{recorder}" "{windows_path(tree / "report.kovtest")}"\r\n'.encode(),
                         args.read_bytes())


if __name__ == "__main__":
    unittest.main()
