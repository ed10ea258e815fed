#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A second account that may read the settings folder (one made 0755 before)
# neither answers for the user's copy nor stops it: its socket under the name
# the user's copy had is not believed, and its lock on the folder lets the
# user's copy run and say so. Needs root for the account, removed at the end.
source "$(dirname "$0")/lib.sh"
doorbell=${2:?usage: $0 path/to/dorvane path/to/dorvane_e2e_doorbell}

[ "$(id -u)" = 0 ] || { echo "SKIP: making a second account needs root"; exit 77; }
other=dorvane-e2e-$$
useradd --system --user-group --no-create-home --shell /usr/sbin/nologin "$other" || { echo "SKIP: no second account"; exit 77; }
others=()
trap '[ ${#others[@]} -eq 0 ] || kill "${others[@]}" 2>/dev/null || true; e2e_cleanup || true; userdel "$other"' EXIT

# setpriv execs the program itself, so $! is the program's own pid.
as_other() { setpriv --reuid="$other" --regid="$other" --clear-groups "$@" & others+=($!); }

body() {
    chmod 755 "$e2e_dir" "$XDG_CONFIG_HOME"
    mkdir -m 755 "$e2e_config"
    install -m 755 "$doorbell" "$e2e_dir/doorbell"
    install -m 666 /dev/null "$e2e_dir/calls.log"

    # The name the user's copy answered on, as anyone reads it in /proc/net/unix.
    e2e_start
    local inodes name
    inodes=$(readlink /proc/"$e2e_pid"/fd/* | sed -n 's/^socket:\[\([0-9]*\)\]$/\1/p' | tr '\n' ' ')
    name=$(awk -v inodes=" $inodes" 'index(inodes, " " $7 " ") && $8 ~ /^@dorvane-/ { print substr($8, 2) }' /proc/net/unix)
    [ -n "$name" ] || fail "the running copy has no doorbell"
    kill "$e2e_pid"; wait "$e2e_pid" 2>/dev/null || true
    as_other "$e2e_dir/doorbell" "$name" "$e2e_dir/calls.log"
    e2e_until 10 "grep -q '@$name\$' /proc/net/unix" || fail "the other account's doorbell did not come up"
    e2e_start
    grep -q show "$e2e_dir/calls.log" && fail "the user's copy asked the other account's doorbell to show"
    [ "$(stat -c %a "$e2e_config")" = 755 ] || fail "the existing settings folder's mode was changed"
    kill "$e2e_pid"; wait "$e2e_pid" 2>/dev/null || true

    # Its lock on the folder: the user's copy runs and says whose lock it is, and a second start still meets it.
    as_other flock --exclusive --no-fork "$e2e_config" sleep 600
    e2e_until 10 "grep -q ' FLOCK .* ${others[-1]} ' /proc/locks" || fail "the other account's lock did not come"
    e2e_start
    e2e_until 60 "grep -q 'another account, $other, holds its lock' '$e2e_dir/program.log'" ||
        fail "no word that another account holds the lock"
    local second status=0
    "$e2e_program" >> "$e2e_dir/program.log" 2>&1 & second=$!
    e2e_until 60 "! kill -0 $second 2>/dev/null" || fail "the second copy kept running"
    wait "$second" || status=$?
    [ "$status" -eq 0 ] && kill -0 "$e2e_pid" || fail "the second copy ended with status $status, or the first ended"
    grep -q show "$e2e_dir/calls.log" && fail "a start asked the other account's doorbell to show"
    echo "PASS: another account's doorbell not believed, its lock no running copy, the user's copy still met"
}

body
