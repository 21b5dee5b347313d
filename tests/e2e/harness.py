"""Drives the real KOV.exe under Xvfb + wine64 (a session of tools/wine-session.sh) the way a
person would. Every wait polls with a deadline and every process a test starts is ended by its
process id, so a broken program fails a test instead of hanging the run."""

from __future__ import annotations

import atexit
import contextlib
import collections
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import unittest
from pathlib import Path
from typing import Callable, Optional, TypeVar

ROOT = Path(__file__).resolve().parents[2]
T = TypeVar("T")
# Generous next to the ~0.3-1.5 s start of a program in a warm prefix, short enough that a hung
# program costs a test seconds, not the run minutes.
START_DEADLINE = 15.0
EXIT_DEADLINE = 10.0


def build_dir() -> Path:
    return Path(os.environ.get("KOV_BUILD_DIR", ROOT / "build" / "win64")).resolve()


def helper_exe(name: str) -> Path:
    return build_dir() / "tests" / "e2e" / f"{name}.exe"


def menu(*lines: str) -> bytes:
    """Windows-1252 text with CR LF after every line, as an editor saves a menu file."""
    return "".join(line + "\r\n" for line in lines).encode("cp1252")


def run_in_session(script: Path, argv: list[str]) -> Optional[int]:
    """Runs script again in a shell that owns a fresh Wine session, unless this process runs in
    one already. Returns its exit status, or None when the caller should go on."""
    # SIGTERM (a CI time-out) unwinds like Ctrl-C, so cleanups still run.
    signal.signal(signal.SIGTERM, signal.default_int_handler)
    if "KOV_WINE_SESSION" in os.environ:
        return None
    shell = ('set -euo pipefail; source "$1"; shift; '
             'wine_session_start; trap wine_session_stop EXIT; "$@"')
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


def poll(probe: Callable[[], Optional[T]], timeout: float, what: str,
         interval: float = 0.02) -> T:
    deadline = time.monotonic() + timeout
    while True:
        result = probe()
        if result:
            return result
        if time.monotonic() >= deadline:
            raise TimeoutError(f"timed out after {timeout:.1f} s waiting for {what}")
        time.sleep(interval)


def windows_path(path: Path) -> str:
    """The path as a Windows program sees it: Wine maps the Unix root to drive Z:."""
    return "Z:" + str(Path(path).resolve()).replace("/", "\\")


# --- X side ---------------------------------------------------------------------------

def _xdotool(*args: str) -> str:
    done = subprocess.run(["xdotool", *args], capture_output=True, text=True, timeout=5)
    return done.stdout if done.returncode == 0 else ""


Window = collections.namedtuple("Window", "id name x y width height")


def _window(wid: int) -> Optional[Window]:
    # xwininfo, not `xdotool getwindowgeometry`: the latter adds the window's offset twice.
    done = subprocess.run(["xwininfo", "-id", str(wid)], capture_output=True, text=True,
                          timeout=5)
    if done.returncode != 0:
        return None  # closed between the search and the query
    info = dict(line.strip().partition(": ")[::2] for line in done.stdout.splitlines())
    head = done.stdout.strip().splitlines()[0]
    name = head.split('"', 1)[1].rsplit('"', 1)[0] if '"' in head else ""
    return Window(wid, name, int(info["Absolute upper-left X"]),
                  int(info["Absolute upper-left Y"]), int(info["Width"]), int(info["Height"]))


def visible_windows(exe_name: str) -> list[Window]:
    # Wine sets the class of a program's X windows to its exe's file name.
    pattern = "^" + exe_name.replace(".", r"\.") + "$"
    found = (_window(int(wid))
             for wid in _xdotool("search", "--onlyvisible", "--class", pattern).split())
    return [w for w in found if w is not None]


def x_windows_named(name: str) -> list[str]:
    return _xdotool("search", "--name", name).split()


def desktop_window() -> int:
    return int(poll(lambda: x_windows_named("Wine desktop$"), 10, "the Wine virtual desktop")[0])


def send_keys(*keys: str, window: Optional[int] = None) -> None:
    """Without a window manager Wine routes keys from its desktop window to the foreground
    window (the popup's owner); a message box wants X focus itself."""
    target = window if window is not None else desktop_window()
    subprocess.run(["xdotool", "windowfocus", str(target), "key", "--delay", "40", *keys],
                   check=True, timeout=10, capture_output=True)


def move_mouse(x: int, y: int) -> None:
    subprocess.run(["xdotool", "mousemove", str(x), str(y)], check=True, timeout=10,
                   capture_output=True)


class Screenshot:
    """The whole X screen as RGB pixels."""

    def __init__(self) -> None:
        ppm = subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"],
                             capture_output=True, check=True, timeout=20).stdout
        fields = ppm.split(maxsplit=4)
        if fields[0] != b"P6" or int(fields[3]) != 255:
            raise ValueError("unexpected screenshot format")
        self.width, self.height = int(fields[1]), int(fields[2])
        self.pixels = fields[4]

    def pixel(self, x: int, y: int) -> tuple[int, int, int]:
        i = 3 * (y * self.width + x)
        return tuple(self.pixels[i:i + 3])

    def area(self, w: Window) -> list[tuple[int, int, int]]:
        return [self.pixel(x, y)
                for y in range(max(w.y, 0), min(w.y + w.height, self.height))
                for x in range(max(w.x, 0), min(w.x + w.width, self.width))]

    def colours(self, w: Window) -> set[tuple[int, int, int]]:
        return set(self.area(w))


def screenshot_when(probe: Callable[[Screenshot], bool], what: str) -> Screenshot:
    # A popup paints after it maps.
    return poll(lambda: (lambda s: s if probe(s) else None)(Screenshot()), 5, what, interval=0.1)


def save_screenshot(path: Path, around: Optional[Window] = None, margin: int = 16) -> Path:
    args = ["import", "-window", "root"]
    if around is not None:
        x, y = max(around.x - margin, 0), max(around.y - margin, 0)
        args += ["-crop", f"{around.width + 2 * margin}x{around.height + 2 * margin}+{x}+{y}",
                 "+repage"]
    subprocess.run([*args, str(path)], check=True, timeout=20, capture_output=True)
    return path


# --- Wine side ------------------------------------------------------------------------

class ProgramFolder:
    """A folder holding a copy of the program: a scratch folder removed by close(), or the
    folder given, kept. A scratch one is a child of the working folder of the programs started
    here, so that paths resolved against the working folder miss the program's files."""

    def __init__(self, exe: Optional[Path] = None, exe_name: str = "KOV.exe",
                 path: Optional[Path] = None, trace: bool = True) -> None:
        self.keep = path is not None
        self.path = Path(path or Path(tempfile.mkdtemp(prefix="kov-e2e-")) / "prog").resolve()
        self.root = self.path.parent
        self.path.mkdir(parents=True, exist_ok=True)
        self.exe_name = exe_name
        self.exe = self.path / exe_name
        shutil.copyfile(exe or build_dir() / "KOV.exe", self.exe)
        # The program appends "chosen N" here for each identifier its popup returns.
        self.trace = self.path / "trace.txt" if trace else None
        self.runs: list[Run] = []
        _open_folders.add(self)

    @property
    def menu_file(self) -> Path:
        return self.path / (Path(self.exe_name).stem + ".mnu")

    def write(self, name: str, data: bytes, base: Optional[Path] = None) -> Path:
        path = (base or self.path) / name
        path.write_bytes(data)
        return path

    def start(self, *args: str) -> Run:
        env = dict(os.environ)
        if self.trace:
            env["KOV_TRACE_FILE"] = windows_path(self.trace)
        run = Run(self, subprocess.Popen([os.environ["WINE"], str(self.exe), *args],
                                         cwd=self.root, env=env, stdin=subprocess.DEVNULL,
                                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        self.runs.append(run)
        return run

    def trace_lines(self) -> list[str]:
        return self.trace.read_text("latin-1").splitlines() if self.trace.exists() else []

    def files(self) -> set[str]:
        return {p.name for p in self.path.iterdir()} - {"trace.txt"}

    def close(self) -> None:
        _open_folders.discard(self)
        for run in self.runs:
            run.kill()
        if not self.keep:
            shutil.rmtree(self.root, ignore_errors=True)


# Folders a test run was interrupted with: they are closed on the way out all the same.
_open_folders: set[ProgramFolder] = set()
atexit.register(lambda: [folder.close() for folder in list(_open_folders)])


class Run:
    def __init__(self, folder: ProgramFolder, process: subprocess.Popen) -> None:
        self.folder = folder
        self.process = process
        # Every window of the program's class seen while waiting on this run.
        self.seen: dict[int, Window] = {}

    def windows(self) -> list[Window]:
        found = visible_windows(self.folder.exe_name)
        self.seen.update((w.id, w) for w in found)
        return found

    def wait_popup(self, count: int = 1, timeout: float = START_DEADLINE) -> list[Window]:
        """Waits for count popups (a submenu is one too); popups carry no title, the program's
        other windows do."""
        def probe():
            if self.process.poll() is not None:
                raise AssertionError(f"program ended with {self.process.returncode}")
            found = self.windows()
            if any(w.name for w in found):
                raise AssertionError(f"a window appeared, not a popup: {found}")
            return found if len(found) >= count else None
        return poll(probe, timeout, f"{count} popup(s) of {self.folder.exe_name}")

    def wait_message_box(self, title: str = "KOV", timeout: float = START_DEADLINE,
                         other_than: Optional[Window] = None) -> Window:
        """A window of the program with that title; the settings window is titled like its
        message boxes, and other_than tells a box from the window it is shown over."""
        other = other_than.id if other_than else None
        return poll(lambda: [w for w in self.windows() if w.name == title and w.id != other],
                    timeout, f"a window titled {title!r}")[0]

    def answer_message_box(self, key: str, title: str = "KOV") -> None:
        send_keys(key, window=self.wait_message_box(title).id)

    def wait_exit(self, timeout: float = EXIT_DEADLINE) -> int:
        def probe():
            self.windows()
            return self.process.poll() is not None
        poll(probe, timeout, f"{self.folder.exe_name} to end")
        return self.process.returncode

    def kill(self) -> None:
        if self.process.poll() is None:
            self.process.kill()
        with contextlib.suppress(subprocess.TimeoutExpired):
            self.process.wait(timeout=5)


def wine_reg(*args: str) -> None:
    subprocess.run([os.environ["WINE"], "reg", *args], check=True, timeout=30,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def record_opening(test: unittest.TestCase, folder: ProgramFolder, *extensions: str) -> Path:
    """Registers a copy of arg_recorder as the program that opens files of the extensions, for
    this test only. Returns the file where it records its command lines."""
    recorder = folder.path / "recorder.exe"
    shutil.copyfile(helper_exe("arg_recorder"), recorder)
    progid = "KOV.e2e.recorded"
    test.addCleanup(wine_reg, "delete", f"HKCR\\{progid}", "/f")
    wine_reg("add", f"HKCR\\{progid}\\shell\\open\\command", "/ve", "/d",
             f'"{windows_path(recorder)}" "%1"', "/f")
    for extension in extensions:
        test.addCleanup(wine_reg, "delete", f"HKCR\\{extension}", "/f")
        wine_reg("add", f"HKCR\\{extension}", "/ve", "/d", progid, "/f")
    return folder.path / "args.txt"


def recorded(args: Path, count: int) -> list[str]:
    """The first count command lines recorded, sorted: programs started at once may write in
    either order."""
    poll(lambda: args.exists() and args.read_bytes().count(b"\r\n") >= count, 10,
         f"{count} recorded start(s) in {args.read_bytes() if args.exists() else None!r}")
    return sorted(args.read_bytes().decode("utf-8").split("\r\n")[:count])


class KovTestCase(unittest.TestCase):
    """Gives each test a fresh program folder and ends everything it started."""

    CURSOR = (200, 150)

    def setUp(self) -> None:
        # The popup opens at the cursor; a fixed place leaves room for submenus on screen.
        move_mouse(*self.CURSOR)
        self.folder = ProgramFolder()
        self.addCleanup(self.folder.close)

    def press(self, run: Run, *steps: tuple[str, ...]) -> None:
        """Types groups of keys; every group but the last opens a submenu, which the next group
        waits for."""
        for depth, keys in enumerate(steps, start=1):
            if depth > 1:
                run.wait_popup(count=depth)
            send_keys(*keys)

    def assert_trace(self, *lines: str) -> None:
        poll(lambda: self.folder.trace.exists(), 3, "the trace file")
        self.assertEqual(list(lines), self.folder.trace_lines())
