#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared set-up of the end-to-end tests under Wine: a display of their own,
# a working folder, and the shell's handler for songs and web pages replaced
# by a recorder that notes what it was given. Source it first thing: the test
# script then runs again inside a fresh Xvfb display, where the rest of it runs.
set -euo pipefail

if [ -z "${E2E_IN_XVFB:-}" ]; then
    E2E_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$BASH" "$0" "$@"
fi

export WINEDEBUG=-all LC_ALL=
# Wine names files on the Unix side in LC_CTYPE's encoding; one that is not
# installed would leave it ASCII. The Windows side keeps its own code page.
export LC_CTYPE=C.UTF-8
# The program's clock and the test's follow the machine's zone; the Windows
# C runtime would read TZ in a format of its own. The program runs on its
# real platform plugin, not on the offscreen one the unit tests use.
unset TZ QT_QPA_PLATFORM WINEQT_QPA_PLATFORM WINEPATH

e2e_work=$(mktemp -d /tmp/dorvane-e2e-wine.XXXXXX)
e2e_log=$e2e_work/opened.log
trap 'e2e_cleanup' EXIT

e2e_cleanup() {
    # Every copy, a failed test's leftovers included: the prefix outlives the test.
    wine taskkill /f /im dorvane.exe >/dev/null 2>&1 || true
    [ -n "${e2e_pid:-}" ] && kill "$e2e_pid" 2>/dev/null || true
    rm -rf "$e2e_work"
}

fail() {
    echo "FAIL: $*" >&2
    [ -f "$e2e_log" ] && { echo "--- opened.log:" >&2; cat "$e2e_log" >&2; }
    [ -f "$e2e_work/program.log" ] && { echo "--- program output (last lines):" >&2; tail -n 20 "$e2e_work/program.log" >&2; }
    exit 1
}

# The Windows name of a Unix path: Wine's drive Z: is the Unix root.
windows_path() {
    local path=$1
    printf 'Z:%s' "${path//\//\\}"
}

# Waits up to $1 seconds for the command after it to succeed.
wait_for() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

# True when the file $1 holds exactly the line $2, ended by CR LF.
holds() { printf '%s\r\n' "$2" | cmp -s - "$1"; }

# True when the recorder's log holds a line matching $1.
logged() { grep -q -- "$1" "$e2e_log" 2>/dev/null; }

# Uses the Wine prefix $1; the folders $2 (':'-separated) hold the DLLs the program needs.
e2e_use_prefix() {
    WINEPREFIX=$(cd "$1" && pwd)
    export WINEPREFIX
    e2e_drive_c=$WINEPREFIX/drive_c
    # Wine's desktop belongs to the display it started on: one left from the
    # unit tests (no display) or from another test's Xvfb would keep this
    # test's windows off every screen. Ending the prefix's processes ends it.
    wineserver -k 2>/dev/null || true
    local folders folder
    IFS=: read -ra folders <<< "${2:-}"
    WINEPATH=
    for folder in "${folders[@]}"; do WINEPATH+="${WINEPATH:+;}$(windows_path "$folder")"; done
    [ -n "$WINEPATH" ] && export WINEPATH || unset WINEPATH
}

# Makes the recorder $1 the shell's application for songs (.mp3) and web pages (.htm).
e2e_register_recorder() {
    cp "$1" "$e2e_work/recorder.exe"
    local command
    command="\"$(windows_path "$e2e_work/recorder.exe")\" \"%1\""
    cat > "$e2e_work/handlers.reg" <<REG
REGEDIT4

[HKEY_CLASSES_ROOT\\.mp3]
@="Dorvane.E2E.Recorder"

[HKEY_CLASSES_ROOT\\.htm]
@="Dorvane.E2E.Recorder"

[HKEY_CLASSES_ROOT\\Dorvane.E2E.Recorder\\shell\\open\\command]
@="$(printf '%s' "$command" | sed 's/\\/\\\\/g; s/"/\\"/g')"
REG
    wine reg import "$(windows_path "$e2e_work/handlers.reg")" >"$e2e_work/reg.log" 2>&1 || fail "could not register the recorder: $(cat "$e2e_work/reg.log")"
}

# Runs "wine" with the arguments given (a program, or start.exe and a
# shortcut) in the background and waits for the main window.
e2e_start() {
    wine "$@" > "$e2e_work/program.log" 2>&1 &
    e2e_pid=$!
    e2e_window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Dorvane$' | head -n 1) ||
        fail "the main window did not appear"
    # The program's notices bear its name too; the main window has its own size.
    xdotool getwindowgeometry "$e2e_window" | grep -q 'Geometry: 345x136$' ||
        fail "a window other than the main one appeared: $(xdotool getwindowgeometry "$e2e_window")"
}

# How many windows bear the program's name.
e2e_windows() { xdotool search --onlyvisible --name '^Dorvane$' 2>/dev/null | wc -l; }

e2e_stop() {
    [ -n "${e2e_pid:-}" ] || return 0
    wine taskkill /f /im dorvane.exe >/dev/null 2>&1 || true
    wait "$e2e_pid" 2>/dev/null || true
    e2e_pid=
}

# Clicks at x, y inside the main window's client area.
e2e_click() {
    xdotool mousemove --window "$e2e_window" "$1" "$2" click 1
}
