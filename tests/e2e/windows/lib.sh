#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared set-up of the end-to-end tests under Wine: a display of their own,
# a working folder, and the shell's handler for songs and web pages replaced
# by a recorder that notes what it was given. Source it first thing (see
# ../common.sh).
set -euo pipefail

e2e_kind=e2e-wine
source "$(dirname "${BASH_SOURCE[0]}")/../common.sh"

export WINEDEBUG=-all LC_ALL=
# Wine names files on the Unix side in LC_CTYPE's encoding; one that is not
# installed would leave it ASCII. The Windows side keeps its own code page.
export LC_CTYPE=C.UTF-8
# The program's clock and the test's follow the machine's zone; the Windows
# C runtime would read TZ in a format of its own. The program runs on its
# real platform plugin, not on the offscreen one the unit tests use.
unset TZ QT_QPA_PLATFORM WINEQT_QPA_PLATFORM WINEPATH

e2e_cleanup() {
    # Every copy, a failed test's leftovers included: the prefix outlives the test.
    wine taskkill /f /im dorvane.exe >/dev/null 2>&1 || true
    [ -n "${e2e_pid:-}" ] && kill "$e2e_pid" 2>/dev/null || true
    rm -rf "$e2e_dir"
}

# The Windows name of a Unix path: Wine's drive Z: is the Unix root.
windows_path() {
    local path=$1
    printf 'Z:%s' "${path//\//\\}"
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
    cp "$1" "$e2e_dir/recorder.exe"
    local command
    command="\"$(windows_path "$e2e_dir/recorder.exe")\" \"%1\""
    cat > "$e2e_dir/handlers.reg" <<REG
REGEDIT4

[HKEY_CLASSES_ROOT\\.mp3]
@="Dorvane.E2E.Recorder"

[HKEY_CLASSES_ROOT\\.htm]
@="Dorvane.E2E.Recorder"

[HKEY_CLASSES_ROOT\\Dorvane.E2E.Recorder\\shell\\open\\command]
@="$(printf '%s' "$command" | sed 's/\\/\\\\/g; s/"/\\"/g')"
REG
    wine reg import "$(windows_path "$e2e_dir/handlers.reg")" >"$e2e_dir/reg.log" 2>&1 || fail "could not register the recorder: $(cat "$e2e_dir/reg.log")"
}

# Runs "wine" with the arguments given (a program, or start.exe and a
# shortcut) in the background and waits for the main window.
e2e_start() {
    wine "$@" > "$e2e_dir/program.log" 2>&1 &
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
