"""The release tools/release.sh made: what the zip holds, that its programs are the builds'
and start, that the manual is whole and self-contained, and that the same sources in another
folder give the same bytes. After tools/release.sh: tests/e2e/run.py release_check"""

from __future__ import annotations

import re
import shutil
import subprocess
import tempfile
import unittest
import zipfile
from pathlib import Path

from harness import ROOT, ProgramFolder, send_keys

SECTIONS = ["Using it on Windows", "The menu file", "Folder menus", "Settings", "Placeholders",
            "Commands", "Language file, settings window and About"]


def git(*args: str, cwd: Path = ROOT, **kwargs) -> bytes:
    return subprocess.run(["git", *args], cwd=cwd, check=True, capture_output=True, timeout=60,
                          **kwargs).stdout


class ReleaseTest(unittest.TestCase):
    def setUp(self) -> None:
        version = re.search(r"project\(KOV VERSION ([0-9.]+)", (ROOT / "CMakeLists.txt").read_text())
        self.version = version.group(1) + ("-dirty" if git("status", "--porcelain") else "")
        self.zip = zipfile.ZipFile(ROOT / "build" / "release" / f"KOV-{self.version}.zip")
        self.addCleanup(self.zip.close)

    def test_the_zip_holds_the_builds_programs_with_the_manual_beside_each_and_their_sums(self):
        self.assertEqual(["KOV/", "KOV/KOV.exe", "KOV/KOV.html", "KOV/x86/", "KOV/x86/KOV.exe",
                          "KOV/x86/KOV.html"], self.zip.namelist())
        for name, build in ("KOV/KOV.exe", "win64"), ("KOV/x86/KOV.exe", "win32"):
            program = self.zip.read(name)
            self.assertTrue(program == (ROOT / "build" / build / "KOV.exe").read_bytes(), name)
            # The version record's text, after padding to a 32-bit boundary.
            record = [re.escape(f"{text}\0".encode("utf-16-le")) for text in ("ProductVersion", self.version)]
            self.assertTrue(re.search(b"(\0\0)?".join(record), program), name)
        with tempfile.TemporaryDirectory() as unpacked:
            self.zip.extractall(unpacked)
            shutil.copy(self.zip.filename, unpacked)
            sums = (ROOT / "build" / "release" / "SHA256SUMS").read_text()
            self.assertEqual(3, len(sums.splitlines()))
            subprocess.run(["sha256sum", "--check", "--strict", "--quiet"], cwd=unpacked,
                           input=sums, text=True, check=True, timeout=30)

    def test_the_x86_64_program_asks_its_first_run_question_in_an_empty_folder(self):
        folder = ProgramFolder(trace=False)
        self.addCleanup(folder.close)
        folder.exe.write_bytes(self.zip.read("KOV/KOV.exe"))
        run = folder.start()
        send_keys("n", window=run.wait_message_box().id)
        self.assertEqual((0, ["KOV.exe"]), (run.wait_exit(), [p.name for p in folder.path.iterdir()]))

    def test_the_manual_holds_every_user_section_and_needs_nothing_beside_it(self):
        page = self.zip.read("KOV/KOV.html").decode("utf-8")
        self.assertEqual(page.encode("utf-8"), self.zip.read("KOV/x86/KOV.html"))
        self.assertIn(f"<title>KOV {self.version}</title>", page)
        headings = re.findall(r"<h[23][^>]*>([^<]+)</h[23]>", page)
        self.assertEqual([], [s for s in SECTIONS if s not in headings])
        self.assertNotIn("Making a release", headings)
        links = re.findall(r'(?:src|href)="([^#d][^"]*)', page)  # neither "#..." nor "data:..."
        self.assertEqual(([], 4), (links, page.count('src="data:image/png;base64,')))

    def test_the_same_sources_in_another_folder_give_the_same_release(self):
        copy = Path(tempfile.mkdtemp(prefix="kov-release-"))
        self.addCleanup(shutil.rmtree, copy, ignore_errors=True)
        # The commit with the work tree's changes on it, as dirty as this one.
        git("clone", "--quiet", "--shared", "--no-checkout", str(ROOT), str(copy))
        git("checkout", "--quiet", "--detach", git("rev-parse", "HEAD").decode().strip(), cwd=copy)
        if changes := git("diff", "--binary", "HEAD"):
            git("apply", "--binary", cwd=copy, input=changes)
        for name in filter(None, git("ls-files", "-z", "--others", "--exclude-standard").split(b"\0")):
            (copy / name.decode()).parent.mkdir(parents=True, exist_ok=True)
            shutil.copy2(ROOT / name.decode(), copy / name.decode())
        subprocess.run(["bash", "tools/release.sh"], cwd=copy, check=True, capture_output=True,
                       timeout=400)
        self.assertEqual(*((d / "build/release/SHA256SUMS").read_text() for d in (ROOT, copy)))
