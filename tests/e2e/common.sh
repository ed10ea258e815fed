#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What the end-to-end tests on Linux (lib.sh) and under Wine (windows/lib.sh)
# share: a display of their own, a working folder ($e2e_dir, with the recorder's
# log $e2e_log), failing with what the program said, waiting for a condition,
# clicking in the main window. Sourced by each of them first thing; the test
# script then runs again inside a fresh Xvfb display, where the rest of it runs.
# The sourcing library defines e2e_cleanup, which runs at the end.
set -euo pipefail

if [ -z "${E2E_IN_XVFB:-}" ]; then
    # -noreset: a program started as the last client left could not connect.
    E2E_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "$BASH" "$0" "$@"
fi

e2e_dir=$(mktemp -d "/tmp/dorvane-${e2e_kind:-e2e}.XXXXXX")
e2e_log="$e2e_dir/opened.log"
trap 'e2e_cleanup' EXIT

fail() {
    echo "FAIL: $*" >&2
    [ -f "$e2e_log" ] && { echo "--- opened.log:" >&2; cat "$e2e_log" >&2; }
    [ -f "$e2e_dir/program.log" ] && { echo "--- program output (last lines):" >&2; tail -n 20 "$e2e_dir/program.log" >&2; }
    exit 1
}

# Limits are generous: a loaded machine makes a test slower, never red.

# Waits up to $1 seconds for the condition after it to hold: a command with
# its arguments, or one string of shell code.
e2e_until() {
    local deadline=$((SECONDS + $1))
    shift
    until if [ $# -eq 1 ]; then eval "$1"; else "$@"; fi; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

# Clicks at x, y inside the main window's client area.
e2e_click() {
    xdotool mousemove --window "$e2e_window" "$1" "$2" click 1
}
