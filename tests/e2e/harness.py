"""Drives the real KOV.exe under Xvfb + wine64 the way a person would.

The X server, the Wine prefix and its virtual desktop come from tools/wine-session.sh
(run.py starts them once for the whole run); this module only reads the variables that
script exports. Every wait here polls with a deadline and every process a test starts is
ended by its process id when the test ends, so a broken program fails a test instead of
hanging the run or leaking into the next test.
"""

from __future__ import annotations

import atexit
import contextlib
import dataclasses
import hashlib
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

# Generous next to the measured ~0.3-1.5 s start of a program in a warm prefix, short
# enough that a hung program costs a test seconds, not the run minutes.
START_DEADLINE = 15.0
EXIT_DEADLINE = 10.0
POLL_INTERVAL = 0.02
FAILURE_SHOTS = ROOT / "build" / "e2e-failures"


def build_dir() -> Path:
    return Path(os.environ.get("KOV_BUILD_DIR", ROOT / "build" / "win64")).resolve()


def helper_exe(name: str) -> Path:
    return build_dir() / "tests" / "e2e" / f"{name}.exe"


def stop_on_sigterm() -> None:
    """Makes SIGTERM (a CI time-out, `timeout`) unwind like Ctrl-C, so cleanups still run."""
    signal.signal(signal.SIGTERM, signal.default_int_handler)


def run_in_session(script: Path, argv: list[str]) -> Optional[int]:
    """Runs script again inside a shell that owns a fresh Wine session, unless this process
    already runs in one. Returns its exit status, or None when the caller should go on."""
    stop_on_sigterm()
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


def require_session() -> None:
    """Fails early with a clear message when no Wine session was started."""
    missing = [v for v in ("DISPLAY", "WINEPREFIX", "WINE", "KOV_WINE_SESSION")
               if v not in os.environ]
    if missing:
        raise RuntimeError(
            "no Wine session (missing " + ", ".join(missing) + "): run tests/e2e/run.py, "
            "or source tools/wine-session.sh and call wine_session_start first")


def poll(probe: Callable[[], Optional[T]], timeout: float, what: str,
         interval: float = POLL_INTERVAL) -> T:
    """Returns the first truthy result of probe(); raises TimeoutError after timeout seconds."""
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


def sha256(path: Path) -> str:
    digest = hashlib.sha256()
    with open(path, "rb") as f:
        for block in iter(lambda: f.read(1 << 20), b""):
            digest.update(block)
    return digest.hexdigest()


# --- X side ---------------------------------------------------------------------------

def _xdotool(*args: str, timeout: float = 5.0) -> str:
    done = subprocess.run(["xdotool", *args], capture_output=True, text=True, timeout=timeout)
    return done.stdout if done.returncode == 0 else ""


@dataclasses.dataclass(frozen=True)
class Window:
    id: int
    name: str
    x: int
    y: int
    width: int
    height: int


def _window(wid: int) -> Optional[Window]:
    # xwininfo, not `xdotool getwindowgeometry`: the latter adds the window's offset twice.
    done = subprocess.run(["xwininfo", "-id", str(wid)], capture_output=True, text=True,
                          timeout=5)
    if done.returncode != 0:
        return None  # closed between the search and the query
    info = {}
    for line in done.stdout.splitlines():
        key, _, value = line.strip().partition(": ")
        info[key] = value
    head = done.stdout.strip().splitlines()[0]
    name = head.split('"', 1)[1].rsplit('"', 1)[0] if '"' in head else ""
    return Window(wid, name, int(info["Absolute upper-left X"]),
                  int(info["Absolute upper-left Y"]), int(info["Width"]), int(info["Height"]))


def visible_windows(exe_name: str) -> list[Window]:
    """Mapped X windows of a Wine program; Wine sets their class to the exe's file name."""
    pattern = "^" + exe_name.replace(".", r"\.") + "$"
    found = (_window(int(wid))
             for wid in _xdotool("search", "--onlyvisible", "--class", pattern).split())
    return [w for w in found if w is not None]


def desktop_window() -> int:
    ids = poll(lambda: _xdotool("search", "--name", "Wine desktop$").split(), 10,
               "the Wine virtual desktop")
    return int(ids[0])


def send_keys(*keys: str, window: Optional[int] = None) -> None:
    """Types keys into Wine. Without a window manager Wine routes keys from its desktop
    window to the foreground window (the popup's owner); a message box wants X focus itself."""
    target = window if window is not None else desktop_window()
    subprocess.run(["xdotool", "windowfocus", str(target), "key", "--delay", "40", *keys],
                   check=True, timeout=10, capture_output=True)


def move_mouse(x: int, y: int) -> None:
    subprocess.run(["xdotool", "mousemove", str(x), str(y)], check=True, timeout=10,
                   capture_output=True)


class Screenshot:
    """The whole X screen as RGB pixels (read through ImageMagick's PPM output)."""

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

    def colours(self, w: Window) -> set[tuple[int, int, int]]:
        return {self.pixel(x, y)
                for y in range(max(w.y, 0), min(w.y + w.height, self.height))
                for x in range(max(w.x, 0), min(w.x + w.width, self.width))}


def save_screenshot(path: Path, around: Optional[Window] = None, margin: int = 16) -> Path:
    """Saves a PNG of the screen, cropped around a window when one is given."""
    args = ["import", "-window", "root"]
    if around is not None:
        x, y = max(around.x - margin, 0), max(around.y - margin, 0)
        args += ["-crop", f"{around.width + 2 * margin}x{around.height + 2 * margin}+{x}+{y}",
                 "+repage"]
    subprocess.run([*args, str(path)], check=True, timeout=20, capture_output=True)
    return path


# --- Wine side ------------------------------------------------------------------------

class ProgramFolder:
    """A program folder holding a copy of the program.

    By default a scratch folder, removed again by close(). The program folder is a child of
    the scratch folder, which serves as the working folder of the processes started here:
    a program that resolves paths against its working folder instead of its own folder is
    caught by the files a test puts there. Given a path, that folder is used and kept."""

    def __init__(self, exe: Optional[Path] = None, exe_name: str = "KOV.exe",
                 path: Optional[Path] = None, trace: bool = True) -> None:
        self.keep = path is not None
        if path is None:
            path = Path(tempfile.mkdtemp(prefix="kov-e2e-")) / "prog"
        self.path = Path(path).resolve()
        self.root = self.path.parent
        self.path.mkdir(parents=True, exist_ok=True)
        self.exe_name = exe_name
        self.exe = self.path / exe_name
        shutil.copyfile(exe or build_dir() / "KOV.exe", self.exe)
        self.trace = self.path / "trace.txt"
        self.tracing = trace
        self.runs: list[Run] = []
        _open_folders.add(self)

    @property
    def stem(self) -> str:
        return Path(self.exe_name).stem

    @property
    def menu_file(self) -> Path:
        return self.path / (self.stem + ".mnu")

    def write(self, name: str, data: bytes, base: Optional[Path] = None) -> Path:
        path = (base or self.path) / name
        path.write_bytes(data)
        return path

    def start(self, *args: str, command_line: Optional[str] = None) -> Run:
        """Starts the program with Unix argv through wine, or with an exact Win32
        command line through the launcher (the program name is quoted, as shells do)."""
        env = dict(os.environ)
        if self.tracing:
            env["KOV_TRACE_FILE"] = windows_path(self.trace)
        if command_line is None:
            argv = [os.environ["WINE"], str(self.exe), *args]
        else:
            env["KOV_LAUNCH_COMMAND_LINE"] = f'"{windows_path(self.exe)}"{command_line}'
            argv = [os.environ["WINE"], str(helper_exe("launcher"))]
        run = Run(self, subprocess.Popen(argv, cwd=self.root, env=env, stdin=subprocess.DEVNULL,
                                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        self.runs.append(run)
        return run

    def trace_lines(self) -> list[str]:
        if not self.trace.exists():
            return []
        return self.trace.read_text(encoding="latin-1").splitlines()

    def files(self) -> set[str]:
        return {p.name for p in self.path.iterdir()} - {self.trace.name}

    def leftover_pids(self) -> list[int]:
        """Wine processes of this folder's program, whether started by wine (the Unix path
        shows) or by CreateProcess (the Windows path shows)."""
        markers = (str(self.exe).lower().encode(), windows_path(self.exe).lower().encode())
        pids = []
        for proc in Path("/proc").iterdir():
            if not proc.name.isdigit() or int(proc.name) == os.getpid():
                continue
            try:
                command = (proc / "cmdline").read_bytes().lstrip(b'"').lower()
            except OSError:
                continue
            if command.startswith(markers):
                pids.append(int(proc.name))
        return pids

    def end_runs(self) -> None:
        """Ends every program started from this folder, so the next start is a first one."""
        for run in self.runs:
            run.kill()
        self.runs.clear()
        for pid in self.leftover_pids():
            try:
                os.kill(pid, signal.SIGKILL)
            except ProcessLookupError:
                pass

    def close(self) -> None:
        _open_folders.discard(self)
        self.end_runs()
        if not self.keep:
            shutil.rmtree(self.root, ignore_errors=True)


# Folders a test run was interrupted with: they are closed on the way out all the same.
_open_folders: set[ProgramFolder] = set()
atexit.register(lambda: [folder.close() for folder in list(_open_folders)])


class Run:
    """One started program, seen from outside: its windows and its exit."""

    def __init__(self, folder: ProgramFolder, process: subprocess.Popen) -> None:
        self.folder = folder
        self.process = process
        # Every window of the program's class seen while waiting on this run.
        self.seen: dict[int, Window] = {}

    def windows(self) -> list[Window]:
        found = visible_windows(self.folder.exe_name)
        self.seen.update((w.id, w) for w in found)
        return found

    def popups(self) -> list[Window]:
        """Popup menus carry no title; message boxes and the main window do."""
        return [w for w in self.windows() if not w.name]

    @property
    def popup_seen(self) -> bool:
        return any(not w.name for w in self.seen.values())

    def _wait(self, probe: Callable[[], Optional[T]], timeout: float, what: str) -> T:
        """poll(), and on a timeout a screenshot of what the screen showed instead."""
        try:
            return poll(probe, timeout, what)
        except TimeoutError as error:
            FAILURE_SHOTS.mkdir(parents=True, exist_ok=True)
            shot = FAILURE_SHOTS / f"{time.strftime('%H%M%S')}-{self.process.pid}.png"
            save_screenshot(shot)
            raise TimeoutError(f"{error}; the screen then: {shot}") from None

    def wait_popup(self, count: int = 1, timeout: float = START_DEADLINE) -> list[Window]:
        """Waits until at least count popup windows are up (a submenu is a popup too)."""
        def probe():
            if self.process.poll() is not None:
                raise AssertionError(f"program ended with {self.process.returncode} "
                                     "before its popup appeared")
            found = self.windows()
            titled = [w.name for w in found if w.name]
            if titled:
                raise AssertionError(f"a window titled {titled[0]!r} appeared, not a popup")
            return found if len(found) >= count else None
        return self._wait(probe, timeout, f"{count} popup window(s) of {self.folder.exe_name}")

    def wait_message_box(self, title: Optional[str] = None,
                         timeout: float = START_DEADLINE) -> Window:
        title = title or self.folder.stem
        return self._wait(lambda: [w for w in self.windows() if w.name == title], timeout,
                          f"a message box titled {title!r}")[0]

    def answer_message_box(self, key: str, title: Optional[str] = None) -> None:
        send_keys(key, window=self.wait_message_box(title).id)

    def wait_exit(self, timeout: float = EXIT_DEADLINE) -> int:
        """Waits for the program to end, noting the windows it shows meanwhile."""
        def probe():
            self.windows()
            return self.process.poll() is not None
        self._wait(probe, timeout, f"{self.folder.exe_name} to end")
        return self.process.returncode

    def kill(self) -> None:
        if self.process.poll() is None:
            self.process.kill()
        try:
            self.process.wait(timeout=5)
        except subprocess.TimeoutExpired:
            pass


def wine_reg(*args: str) -> None:
    subprocess.run([os.environ["WINE"], "reg", *args], check=True, timeout=30,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def record_opening(test: unittest.TestCase, folder: "ProgramFolder", extension: str,
                   progid: str) -> Path:
    """Registers a copy of arg_recorder in the program folder as the program that opens files
    of the extension, for this test only. Returns the file where it records its command lines."""
    recorder = folder.path / "recorder.exe"
    shutil.copyfile(helper_exe("arg_recorder"), recorder)
    test.addCleanup(wine_reg, "delete", f"HKCR\\{progid}", "/f")
    test.addCleanup(wine_reg, "delete", f"HKCR\\{extension}", "/f")
    wine_reg("add", f"HKCR\\{extension}", "/ve", "/d", progid, "/f")
    wine_reg("add", f"HKCR\\{progid}\\shell\\open\\command", "/ve", "/d",
             f'"{windows_path(recorder)}" "%1"', "/f")
    return folder.path / "args.txt"


class KovTestCase(unittest.TestCase):
    """Gives each test a fresh program folder and ends everything it started."""

    CURSOR = (200, 150)

    @classmethod
    def setUpClass(cls) -> None:
        require_session()
        if not (build_dir() / "KOV.exe").is_file():
            raise RuntimeError(f"{build_dir() / 'KOV.exe'} is missing: build the win64 preset")

    def setUp(self) -> None:
        # The popup opens at the cursor; a fixed place leaves room for submenus on screen.
        move_mouse(*self.CURSOR)
        self.folder = ProgramFolder()
        self.addCleanup(self.folder.close)

    @contextlib.contextmanager
    def case(self, name: str, **params):
        """One case of a table: a subtest that starts with no trace and ends every program
        it started, so a failing case cannot leave a popup up for the next one."""
        with self.subTest(name, **params):
            self.folder.trace.unlink(missing_ok=True)
            try:
                yield
            finally:
                self.folder.end_runs()

    def press(self, run: Run, *steps: tuple[str, ...]) -> None:
        """Types groups of keys. Every group but the last opens a submenu: the next group
        is typed once that submenu's popup is up, as a person would wait to see it."""
        for depth, keys in enumerate(steps, start=1):
            if depth > 1:
                run.wait_popup(count=depth)
            send_keys(*keys)

    def dismiss(self, run: Run) -> None:
        """Escape on the popup; the program must then end."""
        send_keys("Escape")
        run.wait_exit()

    def assert_trace(self, *lines: str) -> None:
        poll(lambda: self.folder.trace.exists(), 3, "the trace file")
        self.assertEqual(list(lines), self.folder.trace_lines())

    def assert_no_windows_left(self) -> None:
        self.assertEqual([], visible_windows(self.folder.exe_name))
