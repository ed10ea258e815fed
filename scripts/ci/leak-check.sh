#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program, built with LeakSanitizer, used for a while as a user uses
# it: the clock ticks, the alarm opens the chosen song, Set File is opened to
# choose another and once more to be left with Escape, and then the window is
# closed. The program must end by itself, and LeakSanitizer, which looks when
# it ends, must find nothing of its own (lsan.supp lists what is not ours).
# Usage: leak-check.sh path/to/dorvane, built with DORVANE_SANITIZE.
checks_dir=$(cd "$(dirname "$0")" && pwd)
source "$checks_dir/../../tests/e2e/lib.sh"

# A program without the sanitizer would pass without having been checked.
nm "$e2e_program" 2>/dev/null | grep __lsan_do_leak_check >/dev/null ||
    fail "$e2e_program is not built with LeakSanitizer (DORVANE_SANITIZE=ON)"

# Whole stacks through Qt's libraries, which keep no frame pointers, so that
# a leak is shown, and suppressed, by where it really comes from.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=1:fast_unwind_on_malloc=0"
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$checks_dir/lsan.supp:print_suppressions=0"

body() {
    local song="$HOME/Music/Morning/birds.wav"
    mkdir -p "$HOME/Music/Morning" "$e2e_config"
    printf 'RIFF' > "$song"
    printf 'ID3' > "$HOME/Music/Morning/wake up.mp3"
    printf '%s\r\n' "$song" > "$e2e_config/alarm_file.txt"
    # The alarm must lie after the window is up; a start slower than the
    # lead is tried again with a longer one.
    local alarm lead
    for lead in 12 45; do
        alarm=$(( $(date +%s) + lead ))
        LC_ALL=C date -d "@$alarm" +'%I:%M:%S %p' | sed 's/$/\r/' > "$e2e_config/9836v3.txt"
        e2e_start
        [ "$(date +%s)" -lt $((alarm - 1)) ] && break
        echo "started too slowly for a lead of $lead s; trying a longer one"
        kill "$e2e_pid"
        wait "$e2e_pid" 2>/dev/null || true
        : > "$e2e_log"
        alarm=
    done
    [ -n "$alarm" ] || fail "the program never started in time to test its alarm"
    e2e_wait_for_log '^--$' 60 || fail "the alarm did not open the song"
    [ "$(sed -n 2p "$e2e_log")" = "$song" ] || fail "the alarm opened $(sed -n 2p "$e2e_log")"

    e2e_open_chooser
    xdotool key --delay 100 Tab Down Return               # into Music/Morning
    xdotool mousemove --window "$e2e_chooser" 360 12 click 1  # its first file, birds.wav
    xdotool key Down                                      # the next, wake up.mp3
    xdotool mousemove --window "$e2e_chooser" 413 238 click 1 # Ok
    e2e_chooser_gone || fail "the chooser did not close"
    grep -q 'wake up.mp3' "$e2e_config/alarm_file.txt" || fail "Ok wrote no new record"
    e2e_open_chooser
    xdotool key Escape
    e2e_chooser_gone || fail "the chooser did not close"

    python3 "$checks_dir/close-window.py" "$e2e_window"
    # kill -0 would see the ended program until it is waited for.
    ( sleep 60; kill -KILL "$e2e_pid" 2>/dev/null ) &
    local watchdog=$! status=0
    wait "$e2e_pid" || status=$?
    kill "$watchdog" 2>/dev/null || true
    e2e_pid=
    [ "$status" -ne 137 ] || fail "the program did not end within 60 s of its window being closed"
    if [ "$status" -ne 0 ]; then
        cat "$e2e_dir/program.log" >&2
        fail "the program ended with status $status; a sanitizer's report is above, or in its log_path"
    fi
    echo "PASS: ticked, opened the song at the alarm, chose a file, closed; no leak reported"
}

body
