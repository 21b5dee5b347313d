#!/usr/bin/env bash
# Installs from Debian's packages everything the build and the tests need.
# Idempotent: when every package is already installed apt is not touched at all.
# Runs as root on Debian 12. The 32-bit Wine loader (wine32) is never installed:
# this kernel cannot run 32-bit ELF programs and wine32 would shadow wine64.
set -euo pipefail

PACKAGES=(
    g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev
    g++-mingw-w64-i686-posix mingw-w64-i686-dev
    wine64 xvfb xdotool x11-utils imagemagick
    cmake g++ googletest ccache clang libclang-rt-14-dev ninja-build python3
    python3-markdown strip-nondeterminism unzip
)

missing_packages() {
    local pkg status
    for pkg in "${PACKAGES[@]}"; do
        status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
        [[ $status == "install ok installed" ]] || printf '%s\n' "$pkg"
    done
}

mapfile -t missing < <(missing_packages)
if ((${#missing[@]} == 0)); then
    exit 0
fi

if [[ $(id -u) -ne 0 ]]; then
    echo "install-deps: missing packages (run as root to install): ${missing[*]}" >&2
    exit 1
fi

export DEBIAN_FRONTEND=noninteractive
# One update per run, and only when the package lists cannot name what is missing.
if ! apt-cache show "${missing[@]}" >/dev/null 2>&1; then
    apt-get update -qq
fi
if ! apt-get install -y -qq "${missing[@]}" wine32- >/dev/null; then
    # Stale lists give 404s for superseded versions: refresh once and retry.
    apt-get update -qq
    apt-get install -y -qq "${missing[@]}" wine32-
fi

mapfile -t still_missing < <(missing_packages)
if ((${#still_missing[@]} > 0)); then
    echo "install-deps: could not install: ${still_missing[*]}" >&2
    exit 1
fi
