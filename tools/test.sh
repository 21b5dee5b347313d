#!/usr/bin/env bash
# Runs every test tier and ends with one line of counts, "N passed, N failed":
#   1. host unit tests (AddressSanitizer and UBSan),
#   2. Win32 tests of the platform layer under wine64,
#   3. end-to-end tests of the real KOV.exe under Xvfb + wine64,
#   4. the release zip (tools/release.sh) and its checks,
#   5. a short bounded run of each fuzz target.
# The 32-bit Windows build is built (warning-free) but not run: these machines cannot execute it.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

bash tools/install-deps.sh
# Paths inside the tree count as relative for ccache, so a fresh clone reuses earlier builds.
export CCACHE_BASEDIR="$root"

passed=0
failed=0
logs=$(mktemp -d)

# Adds the counts of a ctest run to the totals; a run that printed no summary counts as a failure.
add_ctest_counts() {
    local log=$1 line total bad
    line=$(grep -E '[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1) || true
    if [[ -z $line ]]; then
        failed=$((failed + 1))
        return
    fi
    bad=$(sed -E 's/.* ([0-9]+) tests? failed.*/\1/' <<<"$line")
    total=$(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$line")
    passed=$((passed + total - bad))
    failed=$((failed + bad))
}

tier() { printf '\n=== %s ===\n' "$*"; }

tier "host unit tests"
cmake --preset host >/dev/null
cmake --build --preset host
ctest --preset host -j2 2>&1 | tee "$logs/host.log" || true
add_ctest_counts "$logs/host.log"

tier "32-bit Windows build"
cmake --preset win32 >/dev/null
cmake --build --preset win32

tier "64-bit Windows build"
cmake --preset win64 >/dev/null
cmake --build --preset win64

source tools/wine-session.sh
wine_session_start
trap 'wine_session_stop; rm -rf "$logs"' EXIT

tier "Win32 tests under Wine"
ctest --preset win64 2>&1 | tee "$logs/win64.log" || true
add_ctest_counts "$logs/win64.log"

# Adds the counts of a run that ends with "N passed, N failed"; without that line, a failure.
add_summary_counts() {
    local line
    if line=$(grep -E '^[0-9]+ passed, [0-9]+ failed' "$1" | tail -n 1); then
        passed=$((passed + $(cut -d' ' -f1 <<<"$line")))
        failed=$((failed + $(cut -d' ' -f3 <<<"$line")))
    else
        failed=$((failed + 1))
    fi
}

tier "end-to-end tests"
python3 tests/e2e/run.py --build build/win64 2>&1 | tee "$logs/e2e.log" || true
add_summary_counts "$logs/e2e.log"

tier "release"
if bash tools/release.sh; then
    python3 tests/e2e/run.py --build build/win64 release_check 2>&1 | tee "$logs/release.log" || true
    add_summary_counts "$logs/release.log"
else
    echo "tools/release.sh: FAILED"
    failed=$((failed + 1))
fi

tier "fuzz targets (short runs)"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
for target in build/fuzz/fuzz/*_fuzz; do
    name=$(basename "$target")
    corpus="$logs/corpus-$name"
    mkdir -p "$corpus"
    if "$target" -max_total_time="${KOV_FUZZ_SECONDS:-20}" -timeout=10 -rss_limit_mb=2048 \
        "$corpus" "fuzz/corpus/${name%_fuzz}" >"$logs/$name.log" 2>&1; then
        echo "$name: passed ($(grep -Eo 'Done [0-9]+ runs' "$logs/$name.log" || true))"
        passed=$((passed + 1))
    else
        tail -n 30 "$logs/$name.log"
        echo "$name: FAILED"
        failed=$((failed + 1))
    fi
done

echo
echo "$passed passed, $failed failed"
[[ $failed -eq 0 ]]
