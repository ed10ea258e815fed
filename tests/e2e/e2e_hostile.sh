#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on a messy machine: a settings path that links to a device
# node is left alone, and at the alarm second a file no application handles,
# a pipe in the record's place and a record of 50 MB each end in a notice
# while the window keeps ticking.
source "$(dirname "$0")/lib.sh"

notices() { xdotool search --onlyvisible --name '^Dorvane$' 2>/dev/null | wc -l; }

# Sets the alarm $1 seconds ahead (longer when the start is slow) and starts the program.
start_with_alarm_in() {
    local lead
    for lead in "$1" $(( $1 * 3 )) $(( $1 * 9 )); do
        alarm=$(( $(date +%s) + lead ))
        LC_ALL=C date -d "@$alarm" +'%I:%M:%S %p' | sed 's/$/\r/' > "$e2e_config/9836v3.txt"
        e2e_start
        [ "$(date +%s)" -lt $((alarm - 1)) ] && return 0
        kill "$e2e_pid"; wait "$e2e_pid" 2>/dev/null || true
    done
    fail "the program never started in time to test its alarm"
}

# Waits for the alarm's notice and checks the clock still turns over after it.
expect_alarm_notice() {
    e2e_until $((alarm - $(date +%s) + 60)) "[ \$(xdotool search --onlyvisible --name '^Dorvane\$' 2>/dev/null | wc -l) -ge 2 ]" ||
        fail "$1: no notice at the alarm second"
    kill -0 "$e2e_pid" || fail "$1: the program ended"
    # The notice stands over the window; moved aside, the clock shows again.
    local notice before
    for notice in $(xdotool search --onlyvisible --name '^Dorvane$'); do
        [ "$notice" = "$e2e_window" ] || xdotool windowmove --sync "$notice" 500 400
    done
    before=$(xwd -silent -id "$e2e_window" | md5sum)
    e2e_until 10 "[ \"\$(xwd -silent -id $e2e_window | md5sum)\" != '$before' ]" ||
        fail "$1: the clock stopped turning over"
    kill "$e2e_pid"; wait "$e2e_pid" 2>/dev/null || true
}

body() {
    mkdir -p "$e2e_config" "$HOME/Music"

    # A link to a device node where the alarm-time file belongs: never replaced.
    mknod "$e2e_dir/null" c 1 3 || { echo "SKIP: cannot make a device node (needs root)"; exit 77; }
    ln -s "$e2e_dir/null" "$e2e_config/9836v3.txt"
    e2e_start
    e2e_until 60 "[ \$(xdotool search --onlyvisible --name '^Dorvane\$' 2>/dev/null | wc -l) -ge 2 ]" ||
        fail "no notice about the device in the settings file's place"
    [ -L "$e2e_config/9836v3.txt" ] && [ -c "$e2e_dir/null" ] || fail "the device or its link was replaced"
    kill "$e2e_pid"; wait "$e2e_pid" 2>/dev/null || true
    rm "$e2e_config/9836v3.txt"

    # A kind of file that no application is set up to open: a desktop with
    # no applications at all, no mailcap entries and no browser.
    printf '\x89PNG\r\n\x1a\n' > "$HOME/Music/picture.png"
    printf '%s\r\n' "$HOME/Music/picture.png" > "$e2e_config/alarm_file.txt"
    mv "$XDG_CONFIG_HOME/mimeapps.list" "$e2e_dir/mimeapps.list"
    export XDG_DATA_DIRS="$e2e_dir/no-data" MAILCAPS="$e2e_dir/no-mailcap" BROWSER=no-such-browser
    start_with_alarm_in 4
    expect_alarm_notice "no application"
    unset XDG_DATA_DIRS MAILCAPS BROWSER
    mv "$e2e_dir/mimeapps.list" "$XDG_CONFIG_HOME/mimeapps.list"
    [ ! -s "$e2e_log" ] || fail "something opened the picture: $(cat "$e2e_log")"
    grep -q '^at ' "$e2e_handed" || fail "the file never reached xdg-open"

    # A pipe where the record belongs: reading it must not wait for a writer.
    rm "$e2e_config/alarm_file.txt"
    mkfifo "$e2e_config/alarm_file.txt"
    start_with_alarm_in 4
    expect_alarm_notice "a pipe for a record"
    [ -p "$e2e_config/alarm_file.txt" ] || fail "the pipe was replaced"

    # A record of 50 MB without a line break.
    rm "$e2e_config/alarm_file.txt"
    head -c 50000000 /dev/zero | tr '\0' '/' > "$e2e_config/alarm_file.txt"
    start_with_alarm_in 4
    expect_alarm_notice "a 50 MB record"
    echo "PASS: the device link kept, and each bad case ended in a notice with the clock running"
}

body
