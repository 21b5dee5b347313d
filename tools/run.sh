#!/usr/bin/env bash
# Builds KOV and runs it once from a program folder under build/run/.
#
# With a display ($DISPLAY set) KOV starts there under wine64 and the run is yours: answer
# its question, choose from its menu. Without one (or with --headless) a private X server
# and Wine prefix are used and the first start is played through as a person would:
# Yes to creating the sample menu file, a screenshot of the menu (its path is printed),
# Escape. Nothing is left running either way.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$ROOT"

headless=0
[[ ${1:-} == --headless || -z ${DISPLAY:-} ]] && headless=1

bash tools/install-deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64

RUN_DIR="$ROOT/build/run"
mkdir -p "$RUN_DIR"
cp build/win64/KOV.exe "$RUN_DIR/KOV.exe"

if ((headless)); then
    python3 tools/run_once.py "$RUN_DIR"
else
    # The user's own Wine prefix and display; wine64 directly, never the 32-bit loader.
    # Should the prefix be new, Wine is not to offer its .NET and HTML engine installers.
    WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml=" /usr/lib/wine/wine64 "$RUN_DIR/KOV.exe"
fi
