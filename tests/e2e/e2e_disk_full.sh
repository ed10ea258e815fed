#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program with its settings folder on a full disk: changing the alarm
# time keeps the old file intact and tells the user, and the program runs on;
# on the same disk mounted read-only, the notice says that it is.
# Mounting the small disk needs root; the mount lives in a private mount
# namespace, so nobody else sees it and it goes when the test ends.
if [ -z "${E2E_IN_NAMESPACE:-}" ]; then
    unshare -m true 2>/dev/null || { echo "SKIP: cannot make a private mount namespace (needs root)"; exit 77; }
    E2E_IN_NAMESPACE=1 exec unshare -m "$BASH" "$0" "$@"
fi
source "$(dirname "$0")/lib.sh"

body() {
    mkdir -p "$e2e_config"
    mount -t tmpfs -o size=16k dorvane-full "$e2e_config" || { echo "SKIP: cannot mount a small disk"; exit 77; }
    printf '07:30:00 AM\r\n' > "$e2e_config/9836v3.txt"
    dd if=/dev/zero of="$e2e_config/filler" bs=1k count=64 2>/dev/null || true

    e2e_start
    e2e_click 245 68 # the picker's minutes
    xdotool key Up
    # The notice is a second window titled like the main one.
    e2e_until 60 "[ \$(xdotool search --onlyvisible --name '^Dorvane\$' | wc -l) -ge 2 ]" ||
        fail "no notice appeared; the file holds: $(cat "$e2e_config/9836v3.txt")"
    [ "$(cat "$e2e_config/9836v3.txt")" = $'07:30:00 AM\r' ] || fail "the alarm-time file changed: $(cat "$e2e_config/9836v3.txt")"
    ls -A "$e2e_config" | grep -v -x -e 9836v3.txt -e filler && fail "a temporary file was left behind"
    kill -0 "$e2e_pid" || fail "the program ended"

    # Read-only: the file itself could be written, were it not for the disk.
    mount -o remount,ro "$e2e_config" || fail "cannot mount the small disk read-only"
    local notice
    for notice in $(xdotool search --onlyvisible --name '^Dorvane$'); do
        [ "$notice" = "$e2e_window" ] || xdotool windowmove --sync "$notice" 500 400
    done
    e2e_click 245 68
    xdotool key Up
    e2e_until 60 "grep -q 'the file system it is on is read-only' '$e2e_dir/program.log'" ||
        fail "no word that the disk is read-only"
    [ "$(cat "$e2e_config/9836v3.txt")" = $'07:30:00 AM\r' ] || fail "the alarm-time file changed: $(cat "$e2e_config/9836v3.txt")"
    echo "PASS: old alarm time kept on a full disk and a read-only one, the user told, the program running"
}

body
