# shellcheck shell=bash
# One private X server and one warm Wine prefix for a whole test or benchmark run.
#
#   source tools/wine-session.sh
#   wine_session_start      # exports DISPLAY, WINEPREFIX, WINE, WINESERVER, WINEDEBUG, ...
#   ...                     # run programs with "$WINE" prog.exe
#   wine_session_stop       # ends what start began, by process id, and the prefix's wineserver
#
# With KOV_LOGPIXELS set (for example 144), the prefix's display resolution is set to it; give
# such a session a prefix of its own with KOV_WINEPREFIX.
#
# With KOV_SESSION_DISPLAY set (to an X display such as ":0") that display is used instead
# of a private Xvfb; the virtual desktop then shows there as one window.
#
# Safe to source from scripts running with `set -euo pipefail`. The prefix is shared by
# everyone using this work tree, so a lock file serialises sessions: two sessions on one
# prefix would share one wineserver and one virtual desktop on the wrong X display.

_KOV_SESSION_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Bump when the prefix set-up below changes, so existing prefixes are set up again.
_KOV_PREFIX_STAMP="kov-prefix-v1 virtual-desktop=1024x768"

_kov_log() { printf 'wine-session: %s\n' "$*" >&2; }

# Polls "$@" until it succeeds; fails after $1 seconds.
_kov_wait_for() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    until "$@" >/dev/null 2>&1; do
        ((SECONDS < deadline)) || return 1
        sleep 0.05
    done
}

_kov_file_nonempty() { [[ -s $1 ]]; }

_kov_desktop_window() { xdotool search --name 'Wine desktop$'; }

# The helper that keeps the virtual desktop open: the CMake build's copy, else one built here.
_kov_desktop_holder() {
    local built="${KOV_BUILD_DIR:-$_KOV_SESSION_ROOT/build/win64}/tests/e2e/desktop_holder.exe"
    if [[ -f $built ]]; then
        printf '%s\n' "$built"
        return
    fi
    local src="$_KOV_SESSION_ROOT/tests/e2e/desktop_holder.cpp"
    local out="$_KOV_SESSION_ROOT/build/session-tools/desktop_holder.exe"
    if [[ ! -f $out || $src -nt $out ]]; then
        mkdir -p "$(dirname "$out")"
        x86_64-w64-mingw32-g++-posix -std=c++20 -O2 -static -mwindows "$src" -o "$out" || return 1
    fi
    printf '%s\n' "$out"
}

_kov_start_xvfb() {
    local numfile
    numfile=$(mktemp)
    # -displayfd lets Xvfb pick a free display itself, with no race against other servers.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$numfile" >/dev/null 2>&1 \
        {_KOV_LOCK_FD}>&- &
    KOV_XVFB_PID=$!
    if ! _kov_wait_for 15 _kov_file_nonempty "$numfile"; then
        rm -f "$numfile"
        _kov_log "Xvfb did not start"
        return 1
    fi
    DISPLAY=":$(head -n 1 "$numfile")"
    rm -f "$numfile"
    export DISPLAY KOV_XVFB_PID
}

_kov_prepare_prefix() {
    local stamp="$WINEPREFIX/.kov-session-stamp"
    local want="$_KOV_PREFIX_STAMP logpixels=${KOV_LOGPIXELS:-96}"
    if [[ -f $WINEPREFIX/system.reg && -f $stamp && $(<"$stamp") == "$want" ]]; then
        return 0
    fi
    _kov_log "setting up the Wine prefix $WINEPREFIX (once)"
    mkdir -p "$WINEPREFIX"
    "$WINE" wineboot -i >/dev/null 2>&1 {_KOV_LOCK_FD}>&- || return 1
    # A virtual desktop makes Wine keep activation and focus as Windows does, without a
    # window manager: keys sent to the desktop window reach the foreground popup.
    "$WINE" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /t REG_SZ /d Default /f \
        >/dev/null 2>&1 {_KOV_LOCK_FD}>&- || return 1
    "$WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /t REG_SZ /d 1024x768 /f \
        >/dev/null 2>&1 {_KOV_LOCK_FD}>&- || return 1
    "$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD \
        /d "${KOV_LOGPIXELS:-96}" /f >/dev/null 2>&1 {_KOV_LOCK_FD}>&- || return 1
    # Let the transient server write the registry to disk and exit before the stamp says "ready".
    "$WINESERVER" -w
    printf '%s' "$want" >"$stamp"
}

wine_session_start() {
    export WINE=/usr/lib/wine/wine64
    export WINESERVER=/usr/lib/wine/wineserver64
    export WINEARCH=win64
    export WINEDEBUG=-all
    # No Mono or Gecko installer dialogs (nothing here needs .NET or an HTML engine), and
    # no desktop-menu entries written for the host.
    export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe=d"
    export WINEPREFIX="${KOV_WINEPREFIX:-$_KOV_SESSION_ROOT/build/wineprefix}"
    mkdir -p "$(dirname "$WINEPREFIX")"

    exec {_KOV_LOCK_FD}>"$WINEPREFIX.lock"
    if ! flock -n "$_KOV_LOCK_FD"; then
        _kov_log "waiting for another session to release $WINEPREFIX"
        if ! flock -w 900 "$_KOV_LOCK_FD"; then
            _kov_log "the prefix stayed busy; giving up"
            exec {_KOV_LOCK_FD}>&-
            return 1
        fi
    fi
    # Whatever still runs in the prefix is left from a run that died: we hold the lock.
    "$WINESERVER" -k >/dev/null 2>&1 || true

    if [[ -n ${KOV_SESSION_DISPLAY:-} ]]; then
        export DISPLAY=$KOV_SESSION_DISPLAY
    else
        _kov_start_xvfb || { wine_session_stop; return 1; }
    fi
    _kov_prepare_prefix || { _kov_log "prefix set-up failed"; wine_session_stop; return 1; }

    "$WINESERVER" -p {_KOV_LOCK_FD}>&-
    local holder
    holder=$(_kov_desktop_holder) || { _kov_log "no desktop holder"; wine_session_stop; return 1; }
    "$WINE" "$holder" >/dev/null 2>&1 {_KOV_LOCK_FD}>&- &
    KOV_HOLDER_PID=$!
    if ! _kov_wait_for 60 _kov_desktop_window; then
        _kov_log "the Wine desktop window did not appear"
        wine_session_stop
        return 1
    fi
    export KOV_HOLDER_PID
    export KOV_WINE_SESSION="$DISPLAY $WINEPREFIX"
}

wine_session_stop() {
    local pid
    for pid in "${KOV_HOLDER_PID:-}" "${KOV_XVFB_PID:-}"; do
        [[ -n $pid ]] && kill "$pid" 2>/dev/null || true
    done
    if [[ -n ${WINEPREFIX:-} && -n ${WINESERVER:-} ]]; then
        "$WINESERVER" -k >/dev/null 2>&1 || true
        "$WINESERVER" -w >/dev/null 2>&1 || true
    fi
    for pid in "${KOV_HOLDER_PID:-}" "${KOV_XVFB_PID:-}"; do
        [[ -n $pid ]] && wait "$pid" 2>/dev/null || true
    done
    if [[ -n ${_KOV_LOCK_FD:-} ]]; then
        exec {_KOV_LOCK_FD}>&-
    fi
    unset KOV_HOLDER_PID KOV_XVFB_PID KOV_WINE_SESSION _KOV_LOCK_FD
}
