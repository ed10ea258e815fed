#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program and a computer that sleeps through the alarm, as far as a
# machine without suspend can show it: three copies, each with settings of its own.
# - frozen: stopped (SIGSTOP) for 80 s across its alarm, as a suspended
#   computer stops it: on waking it opens nothing and shows a notice; its
#   wake-up timer moves to the next day.
# - timer: as root it holds a timer on the alarm clock that wakes the computer
#   (clockid 8 in /proc/PID/fdinfo), due 30 s before the alarm, which moves
#   when the alarm time is edited.
# - jumped: its clock alone set two hours forward past the alarm with
#   libfaketime: a notice says the clock was set forward.
# The two short ones run while the first is stopped.
source "$(dirname "$0")/lib.sh"

faketime_library=$(ls /usr/lib/*/faketime/libfaketime.so.1 2>/dev/null | head -n 1) ||
    fail "libfaketime is not installed (apt-get install libfaketime)"
song="$HOME/Music/wake up.mp3"
mkdir -p "$HOME/Music"
printf 'ID3\003\000\000\000\000\000\000' > "$song"
copies=()

stop_copies() {
    local pid
    for pid in "${copies[@]}"; do
        kill -CONT "$pid" 2>/dev/null || true
        kill "$pid" 2>/dev/null || true
    done
    e2e_cleanup
}
trap stop_copies EXIT

# Starts a copy named $1 with the alarm at $2 (seconds since 1970) and the
# song chosen, the rest of the line before the program (an env call, say);
# waits for its window and sets copy_pid and copy_window.
start_copy() {
    local name=$1 alarm=$2
    shift 2
    mkdir -p "$e2e_dir/$name/dorvane"
    cp "$XDG_CONFIG_HOME/mimeapps.list" "$e2e_dir/$name/"
    printf '%s\r\n' "$song" > "$e2e_dir/$name/dorvane/alarm_file.txt"
    LC_ALL=C date -d "@$alarm" +'%I:%M:%S %p' | sed 's/$/\r/' > "$e2e_dir/$name/dorvane/9836v3.txt"
    XDG_CONFIG_HOME="$e2e_dir/$name" "$@" "$e2e_program" > "$e2e_dir/$name.log" 2>&1 &
    copy_pid=$!
    copies+=("$copy_pid")
    e2e_until 60 "xdotool search --all --onlyvisible --pid $copy_pid --name '^Dorvane\$' >/dev/null 2>&1 || ! kill -0 $copy_pid 2>/dev/null" || true
    kill -0 "$copy_pid" 2>/dev/null || { cat "$e2e_dir/$name.log" >&2; fail "$name: the program ended before its window appeared"; }
    copy_window=$(xdotool search --all --onlyvisible --pid "$copy_pid" --name '^Dorvane$' | head -n 1) ||
        fail "$name: the main window did not appear"
}

# Waits up to $3 seconds for the log of copy $1 to hold $2.
expect_notice() {
    e2e_until "$3" "grep -q -- '$2' '$e2e_dir/$1.log'" ||
        { cat "$e2e_dir/$1.log" >&2; fail "$1: no notice saying '$2'"; }
}

timer_copy() {
    if [ "$(id -u)" -ne 0 ]; then
        echo "SKIP (timer): only root may set a wake-up timer without the installed helper"
        return
    fi
    local alarm=$(( $(date +%s) + 3600 ))
    start_copy timer "$alarm"
    e2e_expect_timer "$copy_pid" $((alarm - 30 - $(date +%s))) "timer, as started"
    # In front of the stopped copy's window, which holds the same place, and
    # focused: a click that focuses the window leaves the picker on its hours.
    xdotool windowraise "$copy_window"
    xdotool windowfocus --sync "$copy_window"
    e2e_window=$copy_window
    e2e_click 245 68 # the picker's minutes
    sleep 0.5 # for the click to choose the section before the key comes
    xdotool key Up
    e2e_until 10 "grep -q '$(LC_ALL=C date -d "@$((alarm + 60))" +'%I:%M:%S %p')' '$e2e_dir/timer/dorvane/9836v3.txt'" ||
        fail "timer: the edit did not reach the alarm time, which reads $(cat "$e2e_dir/timer/dorvane/9836v3.txt")"
    e2e_expect_timer "$copy_pid" $((alarm + 60 - 30 - $(date +%s))) "timer, a minute later"
}

jumped_copy() {
    local clock="$e2e_dir/faketime"
    echo "+0" > "$clock"
    # Only the wall clock jumps: libfaketime leaves the steady clocks alone
    # when told to, as the system's own clock setting does.
    start_copy jumped $(( $(date +%s) + 1800 )) env LD_PRELOAD="$faketime_library" FAKETIME_TIMESTAMP_FILE="$clock" \
        FAKETIME_NO_CACHE=1 FAKETIME_DONT_FAKE_MONOTONIC=1
    sleep 2
    echo "+2h" > "$clock.new" && mv "$clock.new" "$clock"
    expect_notice jumped 'clock was set forward past it' 20
    echo "jumped: $(grep -m1 'was missed' "$e2e_dir/jumped.log")"
}

body() {
    local alarm lead stopped
    for lead in 8 20 45; do
        alarm=$(( $(date +%s) + lead ))
        start_copy frozen "$alarm"
        [ "$(date +%s)" -lt $((alarm - 3)) ] && break
        echo "started too slowly for a lead of $lead s; trying a longer one"
        kill "$copy_pid"; wait "$copy_pid" 2>/dev/null || true
        alarm=
    done
    [ -n "$alarm" ] || fail "the program never started in time to test its alarm"
    local frozen=$copy_pid
    e2e_until 30 "[ \$(date +%s) -ge $((alarm - 2)) ]"
    kill -STOP "$frozen"
    stopped=$(date +%s)

    timer_copy
    jumped_copy

    local left=$((stopped + 80 - $(date +%s)))
    [ "$left" -le 0 ] || sleep "$left"
    kill -CONT "$frozen"
    echo "frozen: stopped for $(($(date +%s) - stopped)) s, from 2 s before its alarm"
    expect_notice frozen 'Dorvane could not run at that time' 30
    echo "frozen: $(grep -m1 'was missed' "$e2e_dir/frozen.log")"
    e2e_until 10 "[ \$(xdotool search --all --onlyvisible --pid $frozen --name '^Dorvane\$' | wc -l) -eq 2 ]" ||
        fail "frozen: no notice window beside the main one"
    if [ "$(id -u)" -eq 0 ]; then
        local tomorrow
        tomorrow=$(date -d "tomorrow $(date -d "@$alarm" +%T)" +%s)
        e2e_expect_timer "$frozen" $((tomorrow - 30 - $(date +%s))) "frozen, after the missed alarm"
    fi
    ! grep -q '^--$' "$e2e_log" || fail "a file was opened: no alarm may be played late"
    echo "PASS: a missed alarm is told, not played; the wake-up timer follows the alarm"
}

body
