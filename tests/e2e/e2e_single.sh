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

    # A second start ends at once with status 0 and touches nothing, however it
    # names the settings folder and whatever its environment (cron sets no runtime folder).
    ln -s "$XDG_CONFIG_HOME" "$e2e_dir/link"
    local how second
    for how in "" "XDG_CONFIG_HOME=$e2e_dir/link" "-u XDG_RUNTIME_DIR"; do
        env $how "$e2e_program" >> "$e2e_dir/program.log" 2>&1 & second=$!
        e2e_until 60 "! kill -0 $second 2>/dev/null" || fail "the second copy ($how) kept running"
        wait "$second" || fail "the second copy ($how) ended with status $?"
        alive "$e2e_pid" || fail "the first copy ended"
        [ "$(windows)" -eq 1 ] || fail "$(windows) windows are open"
        [ "$before" = "$(ls -l --time-style=full-iso "$e2e_config"; md5sum "$e2e_config"/*.txt)" ] ||
            fail "the second copy ($how) touched the settings"
    done

    # The system takes the call for a frozen copy, but only the copy's answer
    # counts: the second start says it does not answer, and ends with status 1.
    kill -STOP "$e2e_pid"
    "$e2e_program" >> "$e2e_dir/program.log" 2>&1 & second=$!
    e2e_until 60 "[ \$(xdotool search --onlyvisible --name '^Dorvane\$' | wc -l) -ge 2 ] || ! kill -0 $second 2>/dev/null" || true
    xdotool search --onlyvisible --name '^Dorvane$' | grep -v -x "$e2e_window" |
        xargs -r -I{} xdotool windowfocus --sync {} key Return || true
    local status=0; wait "$second" || status=$?
    [ "$status" -eq 1 ] || fail "the second start ended with status $status while the first was frozen"
    kill -CONT "$e2e_pid"; sleep 1
    alive "$e2e_pid" || fail "the first copy ended when it thawed"

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
    kill "$e2e_pid"; wait "$e2e_pid" 2>/dev/null || true

    # A runtime folder that cannot be written has no say (root makes one in a mount namespace of its own).
    if unshare -m true 2>/dev/null; then
        printf '#!/bin/sh\nexec unshare -m sh -c '\''mount -t tmpfs -o ro,mode=700 ro "$XDG_RUNTIME_DIR" && exec "$0"'\'' "%s"\n' \
            "$e2e_program" > "$e2e_dir/ro-runtime" && chmod +x "$e2e_dir/ro-runtime"
        XDG_CONFIG_HOME="$e2e_dir/fresh" e2e_program="$e2e_dir/ro-runtime" e2e_start
        e2e_until 60 "[ -f '$e2e_dir/fresh/dorvane/9836v3.txt' ]" || fail "no alarm with a read-only runtime folder"
        kill "$e2e_pid"; wait "$e2e_pid" 2>/dev/null || true
    fi

    # A settings folder that cannot be locked (nor made): the program runs and says so.
    touch "$e2e_dir/file" && XDG_CONFIG_HOME="$e2e_dir/file/config" e2e_start
    e2e_until 60 "grep -q 'could not rule out that another copy' '$e2e_dir/program.log'" ||
        fail "no word that another copy could not be ruled out"
    echo "PASS: one copy through a link, from cron and at once; a frozen copy reported; no lock, no refusal"
}

body
