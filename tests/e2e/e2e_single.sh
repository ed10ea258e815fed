#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# One running copy per user: a second start hands over and ends, a killed
# copy leaves no lock behind, and two copies started together end as one.
source "$(dirname "$0")/lib.sh"

windows() { xdotool search --onlyvisible --name '^Dorvane$' 2>/dev/null | wc -l; }
alive() { kill -0 "$1" 2>/dev/null; }

body() {
    e2e_start
    e2e_until 60 "[ -f '$e2e_config/9836v3.txt' ]" || fail "the alarm-time file was not created"
    printf '07:30:00 AM\r\n' > "$e2e_config/9836v3.txt"
    printf '/home/someone/song.mp3\r\n' > "$e2e_config/alarm_file.txt"
    local before
    before=$(ls -l --time-style=full-iso "$e2e_config"; md5sum "$e2e_config"/*.txt)

    # A second start ends at once with status 0 and touches nothing.
    "$e2e_program" >> "$e2e_dir/program.log" 2>&1 &
    local second=$!
    e2e_until 60 "! kill -0 $second 2>/dev/null" || fail "the second copy kept running"
    wait "$second" || fail "the second copy ended with status $?"
    alive "$e2e_pid" || fail "the first copy ended"
    [ "$(windows)" -eq 1 ] || fail "$(windows) windows are open"
    [ "$before" = "$(ls -l --time-style=full-iso "$e2e_config"; md5sum "$e2e_config"/*.txt)" ] ||
        fail "the second copy touched the settings"

    # A copy that was killed leaves nothing that keeps the next one out.
    kill -9 "$e2e_pid"; wait "$e2e_pid" 2>/dev/null || true
    e2e_start
    local third=$e2e_pid

    # Two copies started at the same moment end as one.
    kill -9 "$third"; wait "$third" 2>/dev/null || true
    "$e2e_program" >> "$e2e_dir/program.log" 2>&1 & local a=$!
    "$e2e_program" >> "$e2e_dir/program.log" 2>&1 & local b=$!
    e2e_until 60 "[ \$(xdotool search --onlyvisible --name '^Dorvane\$' 2>/dev/null | wc -l) -ge 1 ]" ||
        fail "neither copy showed its window"
    e2e_until 60 "! kill -0 $a 2>/dev/null || ! kill -0 $b 2>/dev/null" || fail "both copies kept running"
    local ended=$a running=$b
    alive "$a" && { ended=$b; running=$a; }
    wait "$ended" || fail "the copy that gave way ended with status $?"
    alive "$running" || fail "no copy is left running"
    [ "$(windows)" -eq 1 ] || fail "$(windows) windows are open"
    e2e_pid=$running
    echo "PASS: a second start gave way, a killed copy did not block the next, two at once ended as one"
}

body
