#!/usr/bin/env python3
"""Screenshots of the settings window and the About dialog (with a Swedish language file) and of
the problems window for the README (docs/), taken of the real KOV.exe under Wine:
python3 tools/docs_screenshots.py"""

import subprocess
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parents[1]
sys.path.insert(0, str(ROOT / "tests" / "e2e"))

import harness  # noqa: E402  (found through the path set just above)
from harness import ProgramFolder, menu, move_mouse, poll, save_screenshot, send_keys  # noqa: E402

status = harness.run_in_session(Path(__file__), sys.argv[1:])
if status is not None:
    sys.exit(status)
move_mouse(200, 150)
folder = ProgramFolder()
try:
    folder.write("KOV.mnu", menu("@LanguageFile .\\Svenska.lng", "&Notepad\tnotepad.exe"))
    folder.write("Svenska.lng", menu(
        "&Settings=&Inst\u00e4llningar", "E&xit=&Avsluta", "OK=Okej", "Save=Spara",
        "Create new=Skapa ny", "Translation=\u00d6vers\u00e4ttning", "Information=Information",
        "KOV is a menu program.=KOV \u00e4r ett menyprogram."))
    run = folder.start()
    run.wait_popup()
    send_keys("Down", "Right")
    run.wait_popup(count=2)
    send_keys("Return")
    window = run.wait_message_box("KOV")
    send_keys("Down", window=window.id)
    time.sleep(0.5)
    save_screenshot(ROOT / "docs" / "settings-window.png", around=window, margin=0)
    # The window's icon opens its system menu, whose last entry is About.
    subprocess.run(["xdotool", "mousemove", str(window.x + 12), str(window.y + 11), "click", "1"],
                   check=True, timeout=10)
    time.sleep(0.8)
    send_keys("Up", "Return")
    about = poll(lambda: [w for w in run.windows() if w.name == "About KOV"], 10, "about")[0]
    time.sleep(0.5)
    save_screenshot(ROOT / "docs" / "about-dialog.png", around=about, margin=0)
    send_keys("Return", window=about.id)
    send_keys("Escape", window=window.id)
    run.wait_exit()

    folder.write("KOV.mnu", menu("@BGMenuColour 255, 255, 224", "[&Tools",
                                 "&Notepad\tnotepad.exe", "&Calculator\tC:\\Tools\\calc.exe",
                                 "&Archive\t\u00a6z|C:\\Archive", "]", "]", "&Explorer"))
    run = folder.start()
    run.wait_popup()
    send_keys("Down", "Right")
    run.wait_popup(count=2)
    send_keys("Return")
    problems = run.wait_message_box("KOV")
    time.sleep(0.5)
    save_screenshot(ROOT / "docs" / "problems-window.png", around=problems, margin=0)
finally:
    folder.close()
