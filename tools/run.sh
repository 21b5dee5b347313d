#!/usr/bin/env bash
# Builds KOV and plays its first start through as a person would, from a program folder
# under build/run/: Yes to creating the sample menu file (when there is none yet), a
# screenshot of the menu (its path is printed), Escape. Nothing is left running.
#
# With a display ($DISPLAY set) this happens in a Wine desktop window on it; without one
# (or with --headless) on a private Xvfb.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$ROOT"

if [[ ${1:-} != --headless && -n ${DISPLAY:-} ]]; then
    export KOV_SESSION_DISPLAY=$DISPLAY
fi

bash tools/install-deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64

RUN_DIR="$ROOT/build/run"
mkdir -p "$RUN_DIR"
cp build/win64/KOV.exe "$RUN_DIR/KOV.exe"

python3 tools/run_once.py "$RUN_DIR"
