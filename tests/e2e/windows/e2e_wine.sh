#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real dorvane.exe under Wine and Xvfb, as a Windows user meets it: the
# first start creates C:\9836v3.txt, Help and Contact reach the shell, an edit
# of the picker is saved, one copy runs at a time, and an alarm a few seconds
# ahead hands the file named in a record written in the ANSI code page to the
# shell's "Open" exactly once.
# Usage: e2e_wine.sh <dorvane.exe> <recorder.exe> <Wine prefix> <folders with the DLLs, ':'-separated>
source "$(dirname "$0")/lib.sh"

program=$1
e2e_use_prefix "$3" "$4"
e2e_register_recorder "$2"
song_folder="$e2e_drive_c/Dorvane e2e"
trap 'rm -rf "$song_folder"; e2e_cleanup' EXIT
rm -f "$e2e_drive_c/9836v3.txt" "$e2e_drive_c/alarm_file.txt"

e2e_start "$program"
e2e_until 60 test -f "$e2e_drive_c/9836v3.txt" || fail "C:\\9836v3.txt was not created"
holds "$e2e_drive_c/9836v3.txt" '00:00:00 pm' || fail "the first start wrote $(od -c "$e2e_drive_c/9836v3.txt")"

e2e_click 180 68 # Help
e2e_until 60 logged 'english.dorvane\.htm$' || fail "Help did not reach the shell"
e2e_click 44 68 # Contact
e2e_until 60 logged 'english.contact\.htm$' || fail "Contact did not reach the shell"

e2e_click 245 68 # the picker's minutes
xdotool key Up
e2e_until 30 holds "$e2e_drive_c/9836v3.txt" '12:01:00 PM' ||
    fail "the picker's edit was not saved: $(od -c "$e2e_drive_c/9836v3.txt")"

# A second start gives way at once, with status 0, and touches no settings file.
before=$(ls -l --time-style=full-iso "$e2e_drive_c/9836v3.txt"; cksum "$e2e_drive_c/9836v3.txt")
timeout 60 wine "$program" >> "$e2e_dir/program.log" 2>&1 || fail "the second copy ended with status $?"
kill -0 "$e2e_pid" || fail "the first copy ended"
[ "$(e2e_windows)" -eq 1 ] || fail "$(e2e_windows) windows are open"
[ "$before" = "$(ls -l --time-style=full-iso "$e2e_drive_c/9836v3.txt"; cksum "$e2e_drive_c/9836v3.txt")" ] ||
    fail "the second copy touched C:\9836v3.txt"
e2e_stop

# Two copies started at the same moment end as one. (The copy stopped above
# was killed outright: its lock must not keep them out.)
wine "$program" >> "$e2e_dir/program.log" 2>&1 & first=$!
wine "$program" >> "$e2e_dir/program.log" 2>&1 & second=$!
e2e_until 60 eval '! kill -0 "$first" 2>/dev/null || ! kill -0 "$second" 2>/dev/null' || fail "both copies kept running"
gave_way=$first
kill -0 "$first" 2>/dev/null && gave_way=$second
wait "$gave_way" || fail "the copy that gave way ended with status $?"
e2e_until 60 eval '[ "$(e2e_windows)" -ge 1 ]' || fail "neither copy showed its window"
[ "$(e2e_windows)" -eq 1 ] || fail "$(e2e_windows) windows are open"
e2e_pid=$((first + second - gave_way))
e2e_stop

# A song whose name the code page holds (1252 here), named by a record in that
# code page, as the program has always written it.
mkdir -p "$song_folder"
song='C:\Dorvane e2e\wake up été.mp3'
printf 'ID3\003\000\000\000\000\000\000' > "$song_folder/wake up été.mp3"
printf 'C:\\Dorvane e2e\\wake up \xe9t\xe9.mp3\r\n' > "$e2e_drive_c/alarm_file.txt"
: > "$e2e_log"

# The alarm must lie after the window is up; a start slower than the lead is
# tried again with a longer one.
alarm=
for lead in 8 20 45; do
    alarm=$(( $(date +%s) + lead ))
    LC_ALL=C date -d "@$alarm" +'%I:%M:%S %p' | sed 's/$/\r/' > "$e2e_drive_c/9836v3.txt"
    e2e_start "$program"
    [ "$(date +%s)" -lt $((alarm - 1)) ] && break
    echo "started too slowly for a lead of $lead s; trying a longer one"
    e2e_stop
    alarm=
done
[ -n "$alarm" ] || fail "the program never started in time to test its alarm"

e2e_until $((alarm - $(date +%s) + 60)) logged '^--$' || fail "the alarm did not open the file"
# A second opening would come within the second after the alarm's.
while [ "$(date +%s)" -lt $((alarm + 3)) ]; do sleep 0.2; done
openings=$(grep -c '^--$' "$e2e_log")
[ "$openings" -eq 1 ] || fail "the file was opened $openings times"
opened=$(sed -n 2p "$e2e_log")
[ "$opened" = "$song" ] || fail "opened '$opened' instead of '$song'"
started=$(sed -n 's/^at //p' "$e2e_log")
awk -v t="$started" -v a="$alarm" 'BEGIN { exit !(t >= a && t < a + 10) }' ||
    fail "the shell started the handler at $started, not within 10 s after $alarm"
kill -0 "$e2e_pid" || fail "the program ended"
e2e_stop
echo "PASS: first start, Help, Contact, the picker's edit and one copy at a time; the alarm opened '$song' once," \
     "$(awk -v t="$started" -v a="$alarm" 'BEGIN { printf "%.3f", t - a }') s into its second"
