"""The release tools/release.sh made: its entries and sums, programs that are the builds' own, a
whole manual that needs nothing beside it, and the same bytes from another folder."""

from __future__ import annotations

import hashlib
import re
import shutil
import subprocess
import tempfile
import unittest
import zipfile
from pathlib import Path

from harness import ROOT

RELEASE = ROOT / "build" / "release"
PROGRAMS = {"KOV/KOV.exe": "win64", "KOV/x86/KOV.exe": "win32"}
SECTIONS = ["Using it on Windows", "The menu file", "Folder menus", "Settings", "Placeholders",
            "Commands", "Language file, settings window and About"]


class ReleaseTest(unittest.TestCase):
    def setUp(self) -> None:
        dirty = subprocess.run(["git", "status", "--porcelain"], cwd=ROOT, capture_output=True,
                               check=True, timeout=30).stdout
        cmake = (ROOT / "CMakeLists.txt").read_text()
        self.version = re.search(r"KOV VERSION ([0-9.]+)", cmake).group(1) + ("-dirty" if dirty else "")
        self.zip = self.enterContext(zipfile.ZipFile(RELEASE / f"KOV-{self.version}.zip"))

    def test_the_zip_holds_the_builds_programs_and_the_manual_beside_each_with_their_sums(self):
        self.assertEqual(["KOV/", "KOV/KOV.exe", "KOV/KOV.html", "KOV/x86/", "KOV/x86/KOV.exe",
                          "KOV/x86/KOV.html"], self.zip.namelist())
        files = {name: self.zip.read(name) for name in PROGRAMS}
        for name, build in PROGRAMS.items():
            self.assertTrue(files[name] == (ROOT / "build" / build / "KOV.exe").read_bytes(), name)
            # The version record's text, after padding to a 32-bit boundary.
            text = (re.escape(f"{t}\0".encode("utf-16-le")) for t in ("ProductVersion", self.version))
            self.assertTrue(re.search(b"(\0\0)?".join(text), files[name]), name)
        files[Path(self.zip.filename).name] = Path(self.zip.filename).read_bytes()
        sums = (f"{hashlib.sha256(data).hexdigest()}  {name}" for name, data in files.items())
        self.assertEqual(sorted(sums), sorted((RELEASE / "SHA256SUMS").read_text().splitlines()))

    def test_the_manual_holds_every_user_section_and_needs_nothing_beside_it(self):
        page = self.zip.read("KOV/KOV.html").decode("utf-8")
        self.assertIn(f"<title>KOV {self.version}</title>", page)
        headings = re.findall(r"<h[23][^>]*>([^<]+)</h[23]>", page)
        self.assertEqual(([], False), ([s for s in SECTIONS if s not in headings],
                                       "Making a release" in headings))
        links = re.findall(r'(?:src|href)="([^#d][^"]*)', page)  # neither "#..." nor "data:..."
        self.assertEqual(([], True), (links, 'src="data:image/png;base64,' in page))

    def test_the_same_sources_in_another_folder_give_the_same_release(self):
        copy = Path(tempfile.mkdtemp(prefix="kov-release-"))
        self.addCleanup(shutil.rmtree, copy, ignore_errors=True)
        shutil.copytree(ROOT, copy, ignore=shutil.ignore_patterns("build"), dirs_exist_ok=True)
        subprocess.run(["bash", "tools/release.sh"], cwd=copy, check=True, capture_output=True,
                       timeout=400)
        self.assertEqual((RELEASE / "SHA256SUMS").read_text(),
                         (copy / "build" / "release" / "SHA256SUMS").read_text())
