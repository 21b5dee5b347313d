"""The release tools/release.sh made in build/release: what the zip holds, that its programs are
the right ones and start, that the manual is whole and needs nothing beside it, and that the
same sources in another folder give the same bytes. Run after tools/release.sh:

    tests/e2e/run.py release_check
"""

from __future__ import annotations

import hashlib
import re
import shutil
import struct
import subprocess
import tempfile
import unittest
import zipfile
from pathlib import Path

from harness import ROOT, ProgramFolder, send_keys

RELEASE = ROOT / "build" / "release"
ENTRIES = ["KOV/", "KOV/KOV.exe", "KOV/KOV.html", "KOV/x86/", "KOV/x86/KOV.exe",
           "KOV/x86/KOV.html"]
MACHINES = {"KOV/KOV.exe": 0x8664, "KOV/x86/KOV.exe": 0x14C}  # x86_64, i686
USER_SECTIONS = ["Using it on Windows", "The menu file", "Folder menus", "Settings",
                 "Placeholders", "Commands", "Language file, settings window and About"]
DEVELOPER_SECTIONS = ["Setting up, building and testing", "Making a release", "Source overview",
                      "Performance"]


def git(*args: str, cwd: Path = ROOT, **kwargs) -> subprocess.CompletedProcess:
    return subprocess.run(["git", *args], cwd=cwd, check=True, capture_output=True, timeout=60,
                          **kwargs)


def expected_version() -> str:
    version = re.search(r"project\(KOV VERSION ([0-9.]+)",
                        (ROOT / "CMakeLists.txt").read_text()).group(1)
    return version + ("-dirty" if git("status", "--porcelain").stdout else "")


def sums(folder: Path) -> str:
    return (folder / "build" / "release" / "SHA256SUMS").read_text()


class ReleaseTest(unittest.TestCase):
    def setUp(self) -> None:
        self.version = expected_version()
        self.zip_path = RELEASE / f"KOV-{self.version}.zip"
        self.zip = zipfile.ZipFile(self.zip_path)
        self.addCleanup(self.zip.close)

    def test_the_zip_holds_both_programs_with_the_manual_beside_each_and_their_sums(self):
        self.assertEqual(ENTRIES, self.zip.namelist())
        listed = {}
        for line in sums(ROOT).splitlines():
            digest, name = line.split("  ")
            listed[name] = digest
        data = {name: self.zip.read(name) for name in MACHINES}
        self.assertEqual({self.zip_path.name: hashlib.sha256(self.zip_path.read_bytes()).hexdigest(),
                          **{name: hashlib.sha256(d).hexdigest() for name, d in data.items()}},
                         listed)
        for name, machine in MACHINES.items():
            pe = struct.unpack_from("<I", data[name], 0x3C)[0]
            self.assertEqual(machine, struct.unpack_from("<H", data[name], pe + 4)[0], name)
            # The version record's text, after padding to a 32-bit boundary.
            record = re.escape("ProductVersion\0".encode("utf-16-le")) + b"(\0\0)?" + re.escape(
                f"{self.version}\0".encode("utf-16-le"))
            self.assertTrue(re.search(record, data[name]), f"{name}: no version {self.version}")

    def test_the_x86_64_program_asks_its_first_run_question_in_an_empty_folder(self):
        with tempfile.TemporaryDirectory(prefix="kov-release-") as scratch:
            exe = Path(scratch) / "KOV.exe"
            exe.write_bytes(self.zip.read("KOV/KOV.exe"))
            folder = ProgramFolder(exe=exe, trace=False)
            self.addCleanup(folder.close)
            run = folder.start()
            send_keys("n", window=run.wait_message_box().id)
            self.assertEqual(0, run.wait_exit())
            self.assertEqual(["KOV.exe"], [p.name for p in folder.path.iterdir()])

    def test_the_manual_holds_every_user_section_and_needs_nothing_beside_it(self):
        page = self.zip.read("KOV/KOV.html").decode("utf-8")
        self.assertEqual(page.encode("utf-8"), self.zip.read("KOV/x86/KOV.html"))
        self.assertIn(f"<title>KOV {self.version}</title>", page)
        headings = re.findall(r"<h[23][^>]*>([^<]+)</h[23]>", page)
        self.assertEqual([], [s for s in USER_SECTIONS if s not in headings])
        self.assertEqual([], [s for s in DEVELOPER_SECTIONS if any(h.startswith(s) for h in headings)])
        self.assertIn("prefers-color-scheme: dark", page)
        sources = re.findall(r'src="([^"]*)"', page)
        self.assertEqual((ROOT / "README.md").read_text().count("!["), len(sources))
        self.assertEqual([], [s[:40] for s in sources if not s.startswith("data:image/png;base64,")])
        self.assertEqual([], [h for h in re.findall(r'href="([^"]*)"', page) if not h.startswith("#")])

    def test_the_same_sources_in_another_folder_give_the_same_release(self):
        copy = Path(tempfile.mkdtemp(prefix="kov-release-copy-"))
        self.addCleanup(shutil.rmtree, copy, ignore_errors=True)
        # A clone of the commit with the work tree's changes on it, so it is as dirty as this one.
        git("clone", "--quiet", "--shared", "--no-checkout", str(ROOT), str(copy))
        git("checkout", "--quiet", "--detach", git("rev-parse", "HEAD").stdout.decode().strip(),
            cwd=copy)
        if changes := git("diff", "--binary", "HEAD").stdout:
            git("apply", "--binary", cwd=copy, input=changes)
        for name in git("ls-files", "-z", "--others", "--exclude-standard").stdout.split(b"\0"):
            if name:
                (copy / name.decode()).parent.mkdir(parents=True, exist_ok=True)
                shutil.copy2(ROOT / name.decode(), copy / name.decode())
        subprocess.run(["bash", "tools/release.sh"], cwd=copy, check=True, capture_output=True,
                       timeout=400)
        self.assertEqual(sums(ROOT), sums(copy))


if __name__ == "__main__":
    unittest.main()
