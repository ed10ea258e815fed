#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A computer that sleeps through the alarm, as far as one without suspend shows it:
# copies frozen 68 s across their alarm (SIGSTOP) or with their clock set 2 h on
# (libfaketime) tell of it and open nothing; a wake-up timer (clockid 8) is held,
# by the helper for the program as root or as [user] (the package's), and follows an edit.
# Usage: e2e_wake.sh path/to/dorvane [user]
source "$(dirname "$0")/lib.sh"

user=${2:-}
lead=60 # how long before the alarm the computer is woken
song="$HOME/Music/wake up.mp3"
mkdir -p "$HOME/Music"
printf 'ID3\003\000\000\000\000\000\000' > "$song"
copies=()
trap 'for pid in "${copies[@]}"; do kill -CONT $pid; kill $pid; done 2>/dev/null || true; e2e_cleanup' EXIT

# Starts copy $1 with the alarm at $2 (epoch seconds), the rest before the program; sets copy_pid, copy_window.
start_copy() {
    local name=$1 alarm=$2 as=()
    shift 2
    mkdir -p "$e2e_dir/$name/dorvane"
    cp "$XDG_CONFIG_HOME/mimeapps.list" "$e2e_dir/$name/"
    printf '%s\r\n' "$song" > "$e2e_dir/$name/dorvane/alarm_file.txt"
    LC_ALL=C date -d "@$alarm" +'%I:%M:%S %p' | sed 's/$/\r/' > "$e2e_dir/$name/dorvane/9836v3.txt"
    if [ -n "$user" ]; then
        [ -z "${XAUTHORITY:-}" ] || cp "$XAUTHORITY" "$e2e_dir/Xauthority"
        chown -R "$user" "$e2e_dir"
        as=(runuser -u "$user" -- env HOME="$HOME" XDG_DATA_HOME="$XDG_DATA_HOME" XDG_CACHE_HOME="$XDG_CACHE_HOME"
            XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" PATH="$PATH" DISPLAY="$DISPLAY" XAUTHORITY="$e2e_dir/Xauthority" ${TZ:+TZ="$TZ"})
    fi
    "${as[@]}" env XDG_CONFIG_HOME="$e2e_dir/$name" "$@" "$e2e_program" > "$e2e_dir/$name.log" 2>&1 &
    copy_pid=$!
    copies+=("$copy_pid")
    # runuser stays as the program's parent.
    [ -z "$user" ] || { e2e_until 30 "pgrep -P $copy_pid >/dev/null" && copy_pid=$(pgrep -P "$copy_pid"); copies+=("$copy_pid"); }
    copy_window=$(timeout 60 xdotool search --sync --all --onlyvisible --pid "$copy_pid" --name '^Dorvane$' | head -n 1) ||
        { cat "$e2e_dir/$name.log" >&2; fail "$name: the main window did not appear"; }
}

# The alarm-clock timers of process $1 and its children: "<seconds left> <fdinfo file>", one a line.
alarm_timers() {
    local pid info
    for pid in "$1" $(pgrep -P "$1"); do
        for info in /proc/"$pid"/fdinfo/*; do
            grep -qx 'clockid: 8' "$info" 2>/dev/null && echo "$(sed -n 's/^it_value: (\([0-9]*\),.*/\1/p' "$info") $info"
        done
    done
    return 0
}

# Fails unless process $1's tree comes to hold one alarm-clock timer with about $2 s left; $3 names the moment.
expect_timer() {
    local timers tries
    for tries in $(seq 100); do
        timers=$(alarm_timers "$1")
        [ "$(printf '%s' "$timers" | grep -c .)" -eq 1 ] && [ "${timers%% *}" -ge $(($2 - 10)) ] && break
        sleep 0.1
    done
    [ "$(printf '%s' "$timers" | grep -c .)" -eq 1 ] || fail "$3: expected one alarm-clock timer, found '$timers'"
    echo "$3: $(grep -E '^(clockid|it_value):' "${timers#* }" | paste -sd ' ') (expected about $2 s)"
    [ "${timers%% *}" -le "$2" ] && [ "${timers%% *}" -ge $(($2 - 10)) ] || fail "$3: ${timers%% *} s left, not about $2"
}

timer_copy() {
    local alarm=$(( $(date +%s) + 3600 )) moved
    start_copy timer "$alarm"
    expect_timer "$copy_pid" $((alarm - lead - $(date +%s))) "timer${user:+ as $user}, at start"
    local set_for
    set_for=$(date -d "@$((alarm - lead))" +%Y-%m-%dT%H:%M:%S)
    e2e_until 10 "grep -q 'wake-up timer set for $set_for' '$e2e_dir/timer.log'" ||
        fail "timer: the program did not log 'wake-up timer set for $set_for'"
    # Over the stopped copy's window, and focused: a click that focuses it leaves the picker on its hours.
    xdotool windowraise "$copy_window"
    xdotool windowfocus --sync "$copy_window"
    e2e_window=$copy_window
    e2e_click 245 68 # the picker's minutes
    sleep 0.5
    xdotool key Up
    moved=$(LC_ALL=C date -d "@$((alarm + 60))" +'%I:%M:%S %p')
    e2e_until 10 "grep -q '$moved' '$e2e_dir/timer/dorvane/9836v3.txt'" || fail "timer: the alarm time was not edited"
    expect_timer "$copy_pid" $((alarm + 60 - lead - $(date +%s))) "timer${user:+ as $user}, a minute later"
    if [ -n "$user" ]; then
        local helper
        helper=$(pgrep -P "$copy_pid" -x dorvane-wake) || fail "no helper runs beside the program"
        [[ $(alarm_timers "$copy_pid") == *"/proc/$helper/"* ]] || fail "the timer is not the helper's"
        echo "helper: $(grep -E '^Cap(Prm|Eff)' "/proc/$helper/status" | paste -sd ' ')"
        grep -qx $'CapEff:\t0000000000000000' "/proc/$helper/status" || fail "the helper holds its capability effective at rest"
        kill "$copy_pid"
        e2e_until 10 "! kill -0 $helper 2>/dev/null" || fail "the helper outlived the program"
    fi
}

jumped_copy() {
    local clock="$e2e_dir/faketime" library
    library=$(ls /usr/lib/*/faketime/libfaketime.so.1 2>/dev/null | head -n 1) || fail "libfaketime is not installed"
    echo "+0" > "$clock"
    # Only the wall clock jumps, as when the clock is set: libfaketime leaves the steady clocks alone.
    start_copy jumped $(( $(date +%s) + 1800 )) LD_PRELOAD="$library" FAKETIME_TIMESTAMP_FILE="$clock" \
        FAKETIME_NO_CACHE=1 FAKETIME_DONT_FAKE_MONOTONIC=1 DORVANE_WAKE=off
    sleep 2
    [ -z "$(alarm_timers "$copy_pid")" ] || fail "jumped: a wake-up timer although DORVANE_WAKE=off"
    echo "+2h" > "$clock.new" && mv "$clock.new" "$clock"
    e2e_until 20 "grep -q 'clock was set forward past it' '$e2e_dir/jumped.log'" || fail "jumped: no notice"
}

# Where logind runs, $user started from here is in no session at a seat: the helper serves it nothing.
refused_copy() {
    start_copy refused $(( $(date +%s) + 3600 ))
    e2e_until 20 "grep -q 'only programs in a local session at a seat' '$e2e_dir/refused.log'" ||
        fail "refused: the program does not say that it runs outside a session at a seat"
    [ -z "$(alarm_timers "$copy_pid")" ] || fail "refused: a wake-up timer for $user outside a session at a seat"
}

body() {
    if [ -n "$user" ] && [ -e /run/systemd/seats/seat0 ]; then
        refused_copy
        echo "PASS: as $user, outside a session at a seat, the package's helper set no wake-up timer and the program said why"
        return
    fi
    if [ -n "$user" ]; then
        timer_copy
        echo "PASS: as $user, the package's helper held the wake-up timer, moved it with the alarm and ended with the program"
        return
    fi
    local alarm=$(( $(date +%s) + 12 )) stopped frozen tomorrow
    start_copy frozen "$alarm"
    frozen=$copy_pid
    [ "$(date +%s)" -lt $((alarm - 2)) ] || fail "frozen: the program started too slowly to test its alarm"
    e2e_until 30 "[ \$(date +%s) -ge $((alarm - 2)) ]"
    kill -STOP "$frozen"
    stopped=$(date +%s)
    if [ "$(id -u)" -eq 0 ]; then timer_copy; else echo "SKIP timer: only root may set one without the installed helper"; fi
    jumped_copy
    # Stopped 2 s before the alarm, it runs again more than the 61 s an alarm may come late.
    local rest=$((stopped + 68 - $(date +%s)))
    [ "$rest" -le 0 ] || sleep "$rest"
    kill -CONT "$frozen"
    echo "frozen: stopped for $(($(date +%s) - stopped)) s, from 2 s before its alarm"
    e2e_until 30 "grep -q 'Dorvane could not run at that time' '$e2e_dir/frozen.log'" || fail "frozen: no notice"
    e2e_until 10 "[ \$(xdotool search --all --onlyvisible --pid $frozen --name '^Dorvane\$' | wc -l) -eq 2 ]" ||
        fail "frozen: no notice window beside the main one"
    tomorrow=$(date -d "tomorrow $(date -d "@$alarm" +%T)" +%s)
    [ "$(id -u)" -ne 0 ] || expect_timer "$frozen" $((tomorrow - lead - $(date +%s))) "frozen, after the missed alarm"
    ! grep -q '^--$' "$e2e_log" || fail "a file was opened: no alarm may be played late"
    echo "PASS: a missed alarm is told, not played; the wake-up timer follows the alarm"
}

body
