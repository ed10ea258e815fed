#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The installed program run by an ordinary user (nobody), who may not set a
# wake-up timer: the package's helper sets it for the program, a timer on the
# alarm clock (clockid 8 in /proc/PID/fdinfo) due 30 s before the alarm, which
# moves when the alarm time is edited; the helper ends with the program.
# Usage, as root with the package installed: e2e_installed_wake.sh /usr/bin/dorvane
source "$(dirname "$0")/lib.sh"

user=nobody

body() {
    [ "$(id -u)" -eq 0 ] || fail "run this as root: it starts the program as $user and reads its helper's timers"
    local song="$HOME/Music/wake up.mp3" alarm program helper timers
    mkdir -p "$HOME/Music" "$e2e_config"
    printf 'ID3\003\000\000\000\000\000\000' > "$song"
    printf '%s\r\n' "$song" > "$e2e_config/alarm_file.txt"
    alarm=$(( $(date +%s) + 3600 ))
    LC_ALL=C date -d "@$alarm" +'%I:%M:%S %p' | sed 's/$/\r/' > "$e2e_config/9836v3.txt"
    # The user's own home and folders, and a key to the display it may read.
    [ -z "${XAUTHORITY:-}" ] || cp "$XAUTHORITY" "$e2e_dir/Xauthority"
    chown -R "$user" "$e2e_dir"
    runuser -u "$user" -- env HOME="$HOME" XDG_CONFIG_HOME="$XDG_CONFIG_HOME" XDG_DATA_HOME="$XDG_DATA_HOME" \
        XDG_CACHE_HOME="$XDG_CACHE_HOME" XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" PATH="$PATH" DISPLAY="$DISPLAY" \
        XAUTHORITY="$e2e_dir/Xauthority" "$e2e_program" > "$e2e_dir/program.log" 2>&1 &
    e2e_pid=$!
    e2e_until 60 "pgrep -u $user -x dorvane >/dev/null" || fail "the program did not start as $user"
    program=$(pgrep -u "$user" -x dorvane)
    e2e_window=$(timeout 60 xdotool search --sync --all --onlyvisible --pid "$program" --name '^Dorvane$' | head -n 1) ||
        fail "the window did not appear"
    e2e_until 10 "pgrep -P $program -x dorvane-wake >/dev/null" || fail "the program started no wake helper"
    helper=$(pgrep -P "$program" -x dorvane-wake)
    echo "as $user: $(grep Cap /proc/"$helper"/status | paste -sd ' ')"
    e2e_until 10 "[ -n \"\$(grep -lx 'clockid: 8' /proc/$helper/fdinfo/* 2>/dev/null)\" ]" ||
        fail "the helper holds no alarm-clock timer"
    e2e_expect_timer "$program" $((alarm - 30 - $(date +%s))) "as $user, started"
    timers=$(e2e_alarm_timers "$program")
    [[ $timers == *"/proc/$helper/"* ]] || fail "the timer is not the helper's: $timers"

    # Focused first: a click that focuses the window leaves the picker on its hours.
    xdotool windowfocus --sync "$e2e_window"
    e2e_click 245 68 # the picker's minutes
    sleep 0.5 # for the click to choose the section before the key comes
    xdotool key Up
    e2e_until 10 "grep -q '$(LC_ALL=C date -d "@$((alarm + 60))" +'%I:%M:%S %p')' '$e2e_config/9836v3.txt'" ||
        fail "the edit did not reach the alarm time, which reads $(cat "$e2e_config/9836v3.txt")"
    e2e_until 10 "[ \$(sed -n 's/^it_value: (\([0-9]*\),.*/\1/p' /proc/$helper/fdinfo/* 2>/dev/null | sort -n | tail -n 1) -gt $((alarm - $(date +%s))) ]" ||
        fail "the helper's timer did not move with the alarm time"
    e2e_expect_timer "$program" $((alarm + 60 - 30 - $(date +%s))) "as $user, a minute later"

    kill "$program"
    e2e_until 10 "! kill -0 $helper 2>/dev/null" || fail "the helper outlived the program"
    echo "PASS: as $user the package's helper held the wake-up timer, moved it with the alarm and ended with the program"
}

body
