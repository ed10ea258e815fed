#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program with the alarm set a few seconds ahead: at the alarm second
# the chosen file reaches the desktop's opener exactly once, with its exact path.
source "$(dirname "$0")/lib.sh"

body() {
    local song="$HOME/Music/wake up 'now' \$(touch pwned); -v été.mp3"
    mkdir -p "$HOME/Music" "$e2e_config"
    printf 'ID3\003\000\000\000\000\000\000' > "$song"
    printf '%s\r\n' "$song" > "$e2e_config/alarm_file.txt"

    # The alarm must lie after the window is up; a start slower than the
    # lead is tried again with a longer one.
    local alarm lead
    for lead in 5 15 45; do
        alarm=$(( $(date +%s) + lead ))
        LC_ALL=C date -d "@$alarm" +'%I:%M:%S %p' | sed 's/$/\r/' > "$e2e_config/9836v3.txt"
        e2e_start
        [ "$(date +%s)" -lt $((alarm - 1)) ] && break
        echo "started too slowly for a lead of $lead s; trying a longer one"
        kill "$e2e_pid"; wait "$e2e_pid" 2>/dev/null || true
        : > "$e2e_handed"; : > "$e2e_log"
        alarm=
    done
    [ -n "$alarm" ] || fail "the program never started in time to test its alarm"

    e2e_wait_for_log '^--$' $((alarm - $(date +%s) + 60)) || fail "the alarm did not open the file"
    # A second opening would come within the second after the alarm's.
    e2e_until 60 "[ \$(date +%s) -ge $((alarm + 3)) ]"
    local openings handed_at path
    openings=$(grep -c '^--$' "$e2e_log")
    [ "$openings" -eq 1 ] || fail "the file was opened $openings times"
    path=$(sed -n 2p "$e2e_log")
    [ "$path" = "$song" ] || fail "opened '$path' instead of '$song'"
    [ ! -e "$HOME/Music/pwned" ] && [ ! -e pwned ] || fail "a shell ran part of the file name"
    [ "$(grep -c '^at ' "$e2e_handed")" -eq 1 ] || fail "handed to xdg-open more than once"
    handed_at=$(sed -n 's/^at \([0-9.]*\) .*/\1/p' "$e2e_handed")
    # Not before its second; how soon after it is the tick bench's to measure,
    # on a quiet machine.
    awk -v t="$handed_at" -v a="$alarm" 'BEGIN { exit !(t >= a && t < a + 10) }' ||
        fail "handed over at $handed_at, not within 10 s after $alarm"
    echo "PASS: opened once; handed to the desktop $(awk -v t="$handed_at" -v a="$alarm" 'BEGIN { printf "%.3f", t - a }') s into the alarm second"
}

body
