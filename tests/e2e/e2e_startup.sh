#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program, started as a user starts it: the window maps, the settings
# file appears, no web engine is loaded, and Help and Contact reach the desktop's opener.
source "$(dirname "$0")/lib.sh"

body() {
    e2e_start
    e2e_until 60 "[ -f '$e2e_config/9836v3.txt' ]" ||
        fail "the alarm-time file was not created"
    [ "$(cat "$e2e_config/9836v3.txt")" = $'00:00:00 pm\r' ] || fail "unexpected first-start content"
    # The shipped pages are drawn without a browser engine: none is even loaded.
    ! grep -q WebEngine "/proc/$e2e_pid/maps" || fail "the web engine was loaded for the shipped pages"

    e2e_click 180 68 # Help
    e2e_wait_for_log '/english/dorvane.htm$' || fail "Help did not reach the opener"
    e2e_click 44 68 # Contact
    e2e_wait_for_log '/english/contact.htm$' || fail "Contact did not reach the opener"

    xdotool search --onlyvisible --name '^Dorvane$' >/dev/null || fail "the window is gone after Help and Contact"
    kill -0 "$e2e_pid" || fail "the program ended"
    [ "$(grep -c -- '^--$' "$e2e_log")" -eq 2 ] || fail "expected exactly two openings"
    echo "PASS: window mapped, settings file created, Help and Contact opened"
}

body
