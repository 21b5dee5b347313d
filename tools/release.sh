#!/usr/bin/env bash
# Makes the release a Windows user downloads, build/release/KOV-<version>.zip (the x86_64 program
# in KOV/, the i686 one in KOV/x86/, the manual KOV.html beside each), and build/release/SHA256SUMS
# for the zip and both programs, and prints the zip's path. The same commit gives the same bytes
# in any folder; a work tree with uncommitted changes gives a version ending in "-dirty".
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

bash tools/install-deps.sh
export CCACHE_BASEDIR="$root"

# The presets' own release configuration, so the builds the tests made are reused as they are.
for preset in win64 win32; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" --target KOV
done
cmake --preset release >/dev/null
cmake --build --preset release
rm -rf build/release
cpack --preset release >/dev/null
rm -rf build/release/_CPack_Packages

cd build/release
zips=(KOV-*.zip)
zip=${zips[0]}
{
    sha256sum "$zip"
    for program in KOV/KOV.exe KOV/x86/KOV.exe; do
        printf '%s  %s\n' "$(unzip -p "$zip" "$program" | sha256sum | cut -d' ' -f1)" "$program"
    done
} >SHA256SUMS
echo "$root/build/release/$zip"
