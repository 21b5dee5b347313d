#!/usr/bin/env python3
"""Runs every end-to-end test against a build of KOV.exe under Xvfb + wine64.

    tests/e2e/run.py --build build/win64 [-k PATTERN] [test_module ...]

Uses the Wine session already exported by tools/wine-session.sh when there is one; otherwise
starts one for the whole run. Ends with the line "N passed, N failed" and exits 1 when anything
failed.
"""

from __future__ import annotations

import argparse
import os
import sys
import unittest
from pathlib import Path

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))

import harness  # noqa: E402  (found through the path set just above)


def main(argv: list[str]) -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default=str(harness.build_dir()),
                        help="the win64 build folder holding KOV.exe")
    parser.add_argument("-k", dest="patterns", action="append", default=[],
                        help="only tests whose name contains this text (repeatable)")
    parser.add_argument("modules", nargs="*", help="test modules (default: all test_*.py)")
    args = parser.parse_args(argv)
    os.environ["KOV_BUILD_DIR"] = str(Path(args.build).resolve())
    if not (harness.build_dir() / "KOV.exe").is_file():
        sys.exit(f"{harness.build_dir() / 'KOV.exe'} is missing: build the win64 preset")
    status = harness.run_in_session(Path(__file__), argv)
    if status is not None:
        return status

    loader = unittest.TestLoader()
    loader.testNamePatterns = [f"*{p}*" for p in args.patterns] or None
    suite = (loader.loadTestsFromNames([Path(m).stem for m in args.modules]) if args.modules
             else loader.discover(str(HERE), pattern="test_*.py", top_level_dir=str(HERE)))
    result = unittest.TextTestRunner(stream=sys.stdout, verbosity=2).run(suite)
    # A test counts once however many of its table's cases failed.
    failed = len({getattr(test, "test_case", test).id()
                  for test, _ in result.failures + result.errors}) + len(result.unexpectedSuccesses)
    skipped = len(result.skipped)
    passed = result.testsRun - failed - skipped
    print(f"{passed} passed, {failed} failed" + (f", {skipped} skipped" if skipped else ""))
    return 1 if failed or passed == 0 else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
