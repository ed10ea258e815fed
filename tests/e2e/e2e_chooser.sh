#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program, as a user chooses a song: Set File, a folder opened with
# the keyboard, a file picked with the mouse and the arrow keys, then Ok.
source "$(dirname "$0")/lib.sh"

music="$HOME/Music"
mkdir -p "$music/Morning Songs" "$music/Other"
for song in "a first.mp3" "Morning Songs/birds.wav" "Morning Songs/wake up call.mp3"; do
    printf 'sound' > "$music/$song"
done
record="$e2e_config/alarm_file.txt"

body() {
    e2e_start

    e2e_open_chooser
    # The drive list has the focus; Tab leads to the folder list, whose
    # highlight stands on Music, and Down to its first subfolder.
    # The program takes X events in the order they come, so each step below
    # sees the lists as the one before left them.
    xdotool key --delay 100 Tab Down Return
    xdotool mousemove --window "$e2e_chooser" 360 12 click 1 # the first file: birds.wav
    xdotool key Down                                     # the next: wake up call.mp3
    xdotool mousemove --window "$e2e_chooser" 413 238 click 1 # Ok
    e2e_chooser_gone || fail "Ok did not close the chooser"
    [ -f "$record" ] || fail "Ok wrote no record"
    printf '%s\r\n' "$music/Morning Songs/wake up call.mp3" | cmp -s - "$record" ||
        fail "the record holds $(od -c "$record" | head -n 5)"

    # A second showing, left with Escape, keeps the record as it was.
    e2e_open_chooser
    xdotool mousemove --window "$e2e_chooser" 360 12 click 1
    xdotool key Escape
    e2e_chooser_gone || fail "Escape did not close the chooser"
    printf '%s\r\n' "$music/Morning Songs/wake up call.mp3" | cmp -s - "$record" ||
        fail "leaving with Escape changed the record"

    kill -0 "$e2e_pid" || fail "the program ended"
    echo "PASS: the chosen song is in the record; Escape kept it"
}

body
