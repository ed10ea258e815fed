#!/bin/busybox sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The guest's /init: runs the program three times, each across a suspend to RAM,
# and tells the host on the second serial port what was asked and when.
/bin/busybox mkdir -p /bb
/bin/busybox --install -s /bb
export PATH=/usr/local/bin:/usr/bin:/usr/sbin:/bb DISPLAY=:0
ln -s /bb/sh /bin/sh
mount -t proc proc /proc
mount -t sysfs sysfs /sys
mount -t devtmpfs devtmpfs /dev
chmod 1777 /tmp
stty -F /dev/ttyS1 115200 raw -echo
chmod 666 /dev/ttyS1
exec 3> /dev/ttyS1 4< /dev/ttyS1

say() { echo "$*" >&3; }
# Busybox's own date, which ash prefers, knows no nanoseconds.
now() { /usr/bin/date +%s.%N; }

# The RTC gives the guest's clock whole seconds only, at boot and again at each
# resume; the host's time comes instead, as from a time server.
take_host_time() {
    local word time
    say "clock?"
    read -r word time <&4
    /usr/bin/date -s "@$time" > /dev/null
}

# Starts case $1 with the alarm at second $2, as user $3, with the environment $4...
start_case() {
    local name=$1 alarm=$2 user=$3 dir=/tmp/$1
    shift 3
    mkdir -p "$dir/config/dorvane" "$dir/home" "$dir/runtime"
    printf '%s\r\n' "$(date -u -d "@$alarm" '+%I:%M:%S %p')" > "$dir/config/dorvane/9836v3.txt"
    printf '%s\r\n' "$song" > "$dir/config/dorvane/alarm_file.txt"
    chown -R "$user" "$dir"
    chmod 700 "$dir/runtime"
    su -s /bin/sh "$user" -c 'exec env "$@" /opt/dorvane/dorvane' sh HOME="$dir/home" \
        XDG_CONFIG_HOME="$dir/config" XDG_RUNTIME_DIR="$dir/runtime" DISPLAY="$DISPLAY" PATH="$PATH" LANG=C.UTF-8 \
        QT_LOGGING_RULES='dorvane.*.info=true' "$@" 2> "$dir/stderr" &
    pid=$!
    timeout 120 xdotool search --sync --onlyvisible --name '^Dorvane$' > /dev/null
}

# The second the alarm-clock timer (clockid 8) of process $1 or its children is due,
# as the guest's clock names it, and the name of the process that holds it; empty
# when none comes within 5 s.
wake_second() {
    local tries=0 process info left
    while [ $tries -lt 25 ]; do
        for process in "$1" $(cat /proc/"$1"/task/*/children); do
            for info in /proc/"$process"/fdinfo/*; do
                grep -qx 'clockid: 8' "$info" 2> /dev/null || continue
                left=$(sed -n 's/^it_value: (\([0-9]*\), *\([0-9]*\))$/\1 \2/p' "$info")
                echo "$(now) $left $(cat /proc/"$process"/comm)" | awk '{ printf "%.3f %s\n", $1 + $2 + $3 / 1e9, $4 }'
                return
            done
        done
        tries=$((tries + 1))
        sleep 0.2
    done
}

stop_case() {
    kill "$pid"
    wait "$pid"
}

# Case $1: the alarm at least $2 s ahead, as user $3, with the environment $4...;
# the guest sleeps from when the program has asked for its wake-up until it is woken.
run_case() {
    local name=$1 ahead=$2 alarm wake due
    shift 2
    while :; do
        alarm=$(($(date +%s) + ahead))
        wake=
        say "case $name $alarm $song"
        start_case "$name" "$alarm" "$@" || { say "fail $name: the program's window did not appear"; break; }
        wake=$(wake_second "$pid")
        wake=${wake:-none}
        # The guest must be asleep before the wake-up and the alarm: a start too
        # slow for that is tried again further ahead.
        due=$alarm
        [ "$wake" = none ] || due=$((${wake%%.*} < alarm ? ${wake%%.*} : alarm))
        [ $(($(date +%s) + 5)) -ge $due ] || break
        stop_case
        ahead=$((ahead * 2))
    done
    if [ -n "$wake" ]; then
        say "wake $wake"
        say "suspend $(now)"
        echo mem > /sys/power/state || say "fail $name: the guest did not suspend"
        say "resumed $(now)"
        take_host_time
        say "synced $(now)"
        # Until the program has told of its alarm, played or missed.
        alarm=$((alarm > $(date +%s) ? alarm + 20 : $(date +%s) + 20))
        while ! grep -q '^dorvane\.alarm: ' "/tmp/$name/stderr" && [ "$(date +%s)" -lt $alarm ]; do sleep 0.2; done
        sleep 2
    fi
    stop_case
    sed 's/^/log /' "/tmp/$name/stderr" >&3
    say "done $name"
}

take_host_time
Xvfb :0 -screen 0 1024x768x24 -nolisten tcp -noreset -ac > /tmp/xvfb.log 2>&1 &
timeout 60 sh -c 'until [ -e /tmp/.X11-unix/X0 ]; do sleep 0.1; done' || say "fail: Xvfb did not start: $(cat /tmp/xvfb.log)"
echo deep > /sys/power/mem_sleep
song="/srv/wake up.mp3"
mkdir -p /srv
printf 'ID3\003\000\000\000\000\000\000' > "$song"
chmod 644 "$song"
setcap cap_wake_alarm=p /opt/dorvane/dorvane-wake || say "fail: setcap"
say "helper $(getcap /opt/dorvane/dorvane-wake)"

# How long before its alarm the program asks to be woken, from a copy whose
# alarm is an hour ahead, sets how far ahead each case's alarm lies.
probe=$(($(date +%s) + 3600))
start_case probe "$probe" root
wake=$(wake_second "$pid")
stop_case
wake=${wake:-$((probe - 60))}
lead=$((probe - ${wake%%.*}))
say "lead $lead"

run_case root $((lead + 25)) root
run_case user $((lead + 25)) sleeper
run_case off 30 root DORVANE_WAKE=off
say "end"
poweroff -f
