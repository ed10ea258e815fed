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

    local alarm=$(( $(date +%s) + 7 ))
    LC_ALL=C date -d "@$alarm" +'%I:%M:%S %p' | sed 's/$/\r/' > "$e2e_config/9836v3.txt"
    e2e_start

    e2e_wait_for_log '^--$' 15 || fail "the alarm did not open the file"
    sleep 3 # a second opening would come within this
    local openings handed_at path
    openings=$(grep -c '^--$' "$e2e_log")
    [ "$openings" -eq 1 ] || fail "the file was opened $openings times"
    path=$(sed -n 2p "$e2e_log")
    [ "$path" = "$song" ] || fail "opened '$path' instead of '$song'"
    [ ! -e "$HOME/Music/pwned" ] && [ ! -e pwned ] || fail "a shell ran part of the file name"
    [ "$(grep -c '^at ' "$e2e_handed")" -eq 1 ] || fail "handed to xdg-open more than once"
    handed_at=$(sed -n 's/^at \([0-9.]*\) .*/\1/p' "$e2e_handed")
    awk -v t="$handed_at" -v a="$alarm" 'BEGIN { exit !(t >= a && t < a + 1) }' ||
        fail "handed over at $handed_at, not within the second after $alarm"
    echo "PASS: opened once; handed to the desktop $(awk -v t="$handed_at" -v a="$alarm" 'BEGIN { printf "%.3f", t - a }') s into the alarm second"
}

body
