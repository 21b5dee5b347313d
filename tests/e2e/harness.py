"""Drives the real KOV.exe under Xvfb + wine64 (tools/wine-session.sh) as a person would; every
wait has a deadline and every program started is ended, so a fault fails a test, not the run."""

from __future__ import annotations

import collections
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import unittest
from pathlib import Path
from typing import Optional

ROOT = Path(__file__).resolve().parents[2]
# Generous next to the ~0.3-1.5 s start of a program in a warm prefix.
START_DEADLINE = 15.0
Window = collections.namedtuple("Window", "id name x y width height")


def build_dir() -> Path:
    return Path(os.environ.get("KOV_BUILD_DIR", ROOT / "build" / "win64")).resolve()


def helper_exe(name: str) -> Path:
    return build_dir() / "tests" / "e2e" / f"{name}.exe"


def menu(*lines: str) -> bytes:
    """Windows-1252 text with CR LF after every line, as an editor saves a menu file."""
    return "".join(line + "\r\n" for line in lines).encode("cp1252")


def run_in_session(script: Path, argv: list[str]) -> Optional[int]:
    """Runs script again in a fresh Wine session, unless it runs in one: its status, or None."""
    signal.signal(signal.SIGTERM, signal.default_int_handler)  # so that cleanups still run
    if "KOV_WINE_SESSION" in os.environ:
        return None
    shell = 'set -euo pipefail; source "$1"; shift; wine_session_start; trap wine_session_stop EXIT; "$@"'
    child = subprocess.Popen(["bash", "-c", shell, "bash", str(ROOT / "tools" / "wine-session.sh"),
                              sys.executable, str(Path(script).resolve()), *argv],
                             start_new_session=True)
    try:
        return child.wait()
    except KeyboardInterrupt:
        # The script ends its programs and the shell its session; killing them would not.
        os.killpg(child.pid, signal.SIGTERM)
        child.wait(timeout=30)
        raise


def poll(probe, timeout: float, what: str, interval: float = 0.02):
    deadline = time.monotonic() + timeout
    while not (result := probe()):
        if time.monotonic() >= deadline:
            raise TimeoutError(f"timed out after {timeout:.1f} s waiting for {what}")
        time.sleep(interval)
    return result


def wait_bytes(path: Path, content: bytes, timeout: float = 10) -> None:
    poll(lambda: path.exists() and path.read_bytes() == content, timeout,
         f"{path.name} to hold {content!r}")


def windows_path(path: Path) -> str:
    """The path as a Windows program sees it: Wine maps the Unix root to drive Z:."""
    return "Z:" + str(Path(path).resolve()).replace("/", "\\")


def x_windows(*search: str) -> list[str]:
    return subprocess.run(["xdotool", "search", *search], capture_output=True, text=True,
                          timeout=5).stdout.split()


def visible_windows(exe_name: str) -> list[Window]:
    """Wine names the class of a program's X windows after its exe."""
    found = []
    for wid in x_windows("--onlyvisible", "--class", "^" + re.escape(exe_name) + "$"):
        # xwininfo, not `xdotool getwindowgeometry`, which adds the window's offset twice.
        done = subprocess.run(["xwininfo", "-id", wid], capture_output=True, text=True, timeout=5)
        if done.returncode == 0:  # else closed since the search
            name = re.search(r'Window id: \S+ (?:"(.*)")?', done.stdout).group(1) or ""
            where = re.findall(r"(?:Absolute upper-left [XY]|Width|Height): +(-?\d+)", done.stdout)
            found.append(Window(int(wid), name, *map(int, where)))
    return found


def desktop_window() -> int:
    return int(poll(lambda: x_windows("--name", "Wine desktop$"), 10, "the Wine desktop")[0])


def send_keys(*keys: str, window: Optional[int] = None) -> None:
    # Without a window manager Wine routes keys from its desktop window to the foreground
    # window (the popup's owner); a message box wants X focus itself.
    target = window if window is not None else desktop_window()
    subprocess.run(["xdotool", "windowfocus", str(target), "key", "--delay", "40", *keys],
                   check=True, timeout=10, capture_output=True)


def move_mouse(x: int, y: int, *then: str) -> None:
    """Moves the pointer there, then does what xdotool is told after it ("click", "1")."""
    subprocess.run(["xdotool", "mousemove", str(x), str(y), *then], check=True, timeout=10)


class Screenshot:

    def __init__(self) -> None:
        ppm = subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"],
                             capture_output=True, check=True, timeout=20).stdout
        magic, width, height, _, self.pixels = ppm.split(maxsplit=4)
        self.width, self.height = int(width), int(height)

    def pixel(self, x: int, y: int) -> tuple[int, int, int]:
        i = 3 * (y * self.width + x)
        return tuple(self.pixels[i:i + 3])

    def colours(self, w: Window) -> set[tuple[int, int, int]]:
        return {self.pixel(x, y)
                for y in range(w.y, w.y + w.height) for x in range(w.x, w.x + w.width)}


def screenshot_when(probe, what: str) -> Screenshot:
    """The first screenshot for which probe holds: a popup paints after it maps, and what a
    worker thread hands over (a shell icon) may come as late as a start on a busy machine."""
    return poll(lambda: (lambda s: s if probe(s) else None)(Screenshot()), START_DEADLINE, what,
                interval=0.1)


def save_screenshot(path: Path, around: Window, margin: int = 16) -> Path:
    x, y = max(around.x - margin, 0), max(around.y - margin, 0)
    subprocess.run(["import", "-window", "root", "-crop", f"{around.width + 2 * margin}x"
                    f"{around.height + 2 * margin}+{x}+{y}", "+repage", str(path)],
                   check=True, timeout=20, capture_output=True)
    return path


class ProgramFolder:
    """A copy of the program in the folder given, or in a scratch folder that close() removes and
    whose parent is the programs' working folder (so paths resolved against it miss). Traced,
    the program appends "chosen N" to trace.txt for what its popup returns."""

    def __init__(self, exe: Optional[Path] = None, exe_name: str = "KOV.exe",
                 path: Optional[Path] = None, trace: bool = True) -> None:
        self.keep = path is not None
        self.path = Path(path or Path(tempfile.mkdtemp(prefix="kov-e2e-")) / "prog").resolve()
        self.root = self.path.parent
        self.path.mkdir(parents=True, exist_ok=True)
        self.exe_name = exe_name
        self.exe = shutil.copyfile(exe or build_dir() / "KOV.exe", self.path / exe_name)
        self.menu_file = self.exe.with_suffix(".mnu")
        self.trace = self.path / "trace.txt" if trace else None
        self.runs: list[Run] = []

    def write(self, name: str, data: bytes, base: Optional[Path] = None) -> Path:
        (path := (base or self.path) / name).write_bytes(data)
        return path

    def start(self, *args: str) -> Run:
        # One instance per program name: a run of an earlier test still ending would make this
        # one a second instance, which ends at once.
        ours = {run.process.pid for run in self.runs if run.process.poll() is None}
        poll(lambda: not session_programs(self.exe_name) - ours, 10,
             f"the {self.exe_name} of an earlier run to end")
        env = dict(os.environ, **({"KOV_TRACE_FILE": windows_path(self.trace)} if self.trace else {}))
        self.runs.append(Run(self, subprocess.Popen(
            [os.environ["WINE"], str(self.exe), *args], cwd=self.root, env=env,
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)))
        return self.runs[-1]

    def trace_lines(self) -> list[str]:
        return self.trace.read_text("latin-1").splitlines() if self.trace.exists() else []

    def close(self) -> None:
        for run in self.runs:
            run.process.kill()  # nothing if it has ended
            run.process.wait(timeout=5)
        if not self.keep:
            shutil.rmtree(self.root, ignore_errors=True)


class Run:
    def __init__(self, folder: ProgramFolder, process: subprocess.Popen) -> None:
        self.folder = folder
        self.process = process
        self.seen: dict[int, Window] = {}  # every window of the program seen meanwhile

    def windows(self) -> list[Window]:
        found = visible_windows(self.folder.exe_name)
        self.seen.update((w.id, w) for w in found)
        return found

    def wait_popup(self, count: int = 1, timeout: float = START_DEADLINE) -> list[Window]:
        """Waits for count popups (a submenu is one too), which carry no title."""
        def probe():
            if self.process.poll() is not None:
                raise AssertionError(f"program ended with {self.process.returncode}{session_lost()}")
            found = self.windows()
            if any(w.name for w in found):
                raise AssertionError(f"a window appeared, not a popup: {found}")
            return found if len(found) >= count else None
        return poll(probe, timeout, f"{count} popup(s) of {self.folder.exe_name}")

    def wait_message_box(self, title: str = "KOV", other_than: Optional[Window] = None) -> Window:
        # The settings window is titled like the boxes shown over it.
        other = other_than.id if other_than else None
        return poll(lambda: [w for w in self.windows() if w.name == title and w.id != other],
                    START_DEADLINE, f"a window titled {title!r}")[0]

    def wait_exit(self, timeout: float = 10) -> int:
        """Waits for the program to end, noting the windows it shows meanwhile."""
        poll(lambda: [self.windows()] and self.process.poll() is not None, timeout,
             f"{self.folder.exe_name} to end")
        return self.process.returncode


def reg(*args: str, check: bool = True) -> int:
    return subprocess.run([os.environ["WINE"], "reg", *args], check=check, timeout=30,
                          capture_output=True).returncode


def reg_for_test(test: unittest.TestCase, key: str, *add: str) -> None:
    """Adds to the key (or a key under it) for this test only: the clean-up puts the key back as
    it was, so no test sees another's values and the prefix keeps its own."""
    saved = Path(tempfile.mkdtemp(prefix="kov-reg-")) / "saved.reg"
    test.addCleanup(shutil.rmtree, saved.parent)
    if reg("export", key, windows_path(saved), "/y", check=False) == 0:
        test.addCleanup(reg, "import", windows_path(saved))
    test.addCleanup(reg, "delete", key, "/f")  # "/f": without asking
    reg("add", *add, "/f")


def session_programs(exe_name: str) -> set[int]:
    """The processes of this Wine session (by the prefix in their environment) running a program
    of that name."""
    prefix, found = ("WINEPREFIX=" + os.environ["WINEPREFIX"]).encode(), set()
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            environ = Path(f"/proc/{pid}/environ").read_bytes().split(b"\0")
            program = Path(f"/proc/{pid}/cmdline").read_bytes().split(b"\0")[0]
        except OSError:
            continue  # ended meanwhile
        if prefix in environ and re.split(rb"[/\\]", program)[-1].lower() == exe_name.lower().encode():
            found.add(int(pid))
    return found


def session_lost() -> str:
    """Why a program may have ended unasked: its wineserver, gone, ends every program of the
    session with 1, the desktop holder among them."""
    try:
        return os.kill(int(os.environ["KOV_HOLDER_PID"]), 0) or ""
    except (KeyError, ProcessLookupError):
        return "; the session's desktop holder ended too: its wineserver went away"


class KovTestCase(unittest.TestCase):
    CURSOR = (200, 150)

    def setUp(self) -> None:
        # The popup opens at the cursor; a fixed place leaves room for submenus on screen.
        move_mouse(*self.CURSOR)
        self.folder = ProgramFolder()
        self.addCleanup(self.folder.close)

    def start_popup(self, *args: str) -> tuple[Run, Window]:
        run = self.folder.start(*args)
        return run, run.wait_popup()[0]

    def press(self, *steps: tuple[str, ...], run: Optional[Run] = None, args: tuple = (),
              timeout: float = START_DEADLINE) -> Run:
        """Types groups of keys into the popup of run, or of a new start with args; each group
        but the last opens a submenu the next waits for."""
        if run is None:
            run = self.folder.start(*args)
            run.wait_popup(timeout=timeout)
        for depth, keys in enumerate(steps, start=1):
            if depth > 1:
                run.wait_popup(count=depth)
            send_keys(*keys)
        return run

    def record_opening(self, *extensions: str) -> str:
        """Makes a copy of arg_recorder open files of the extensions, for this test only, and
        returns its Windows path; recorded() reads the command lines it records."""
        recorder = windows_path(shutil.copyfile(helper_exe("arg_recorder"),
                                                self.folder.path / "recorder.exe"))
        for key, value in [("KOV.e2e\\shell\\open\\command", f'"{recorder}" "%1"'),
                           *((extension, "KOV.e2e") for extension in extensions)]:
            reg_for_test(self, f"HKCR\\{key.split(chr(92))[0]}", f"HKCR\\{key}", "/ve", "/d", value)
        return recorder

    def recorded(self, count: int) -> list[str]:
        """The arguments of every start recorded, once there are count, after the recorder's
        own quoted path, sorted: programs started at once write in any order."""
        def starts() -> list[str]:  # a write under way leaves a part line, which this drops
            args = self.folder.path / "args.txt"
            text = args.read_bytes().decode("utf-16-le", "replace") if args.exists() else ""
            return text.split("\r\n")[:-1]
        poll(lambda: len(starts()) >= count, 10, f"{count} recorded start(s)")
        return sorted(line.split('" ', 1)[1] for line in starts())

    def assert_trace(self, *lines: str) -> None:
        poll(lambda: self.folder.trace.exists(), 3, "the trace file")
        self.assertEqual(list(lines), self.folder.trace_lines())
