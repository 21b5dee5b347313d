#!/usr/bin/env python3
"""Runs the end-to-end tests against a build of KOV.exe under Xvfb + wine64, in the Wine session
exported by tools/wine-session.sh or in one of its own, and ends with "N passed, N failed".

    tests/e2e/run.py --build build/win64 [-k PATTERN] [test_module ...]
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
    parser.add_argument("--build", default=str(harness.build_dir()))
    parser.add_argument("-k", dest="patterns", action="append", default=[])  # in the test's name
    parser.add_argument("modules", nargs="*")  # default: all test_*.py
    args = parser.parse_args(argv)
    os.environ["KOV_BUILD_DIR"] = str(Path(args.build).resolve())
    if (status := harness.run_in_session(Path(__file__), argv)) is not None:
        return status
    loader = unittest.TestLoader()
    loader.testNamePatterns = [f"*{p}*" for p in args.patterns] or None
    suite = (loader.loadTestsFromNames([Path(m).stem for m in args.modules]) if args.modules
             else loader.discover(str(HERE), pattern="test_*.py", top_level_dir=str(HERE)))
    result = unittest.TextTestRunner(stream=sys.stdout, verbosity=2, resultclass=Counting).run(suite)
    # A test whose class or module failed to set up never ran: it counts as failed too.
    failed = suite.countTestCases() - result.passed
    if failed == 0 and not result.wasSuccessful():
        failed = 1  # everything passed, then a class or module failed to tear down
    print(f"{result.passed} passed, {failed} failed")
    return 1 if failed or result.passed == 0 else 0


class Counting(unittest.TextTestResult):
    passed = 0

    def addSuccess(self, test):
        super().addSuccess(test)
        self.passed += 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
