#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A second account that may read the user's settings folder (an older one,
# made 0755) can neither stop the user's alarm nor answer for it: a socket of
# its own under the name the user's copy had is not believed, and its lock on
# the folder lets the user's copy run, which says so. Needs root, to make the
# second account, which goes when the test ends.
source "$(dirname "$0")/lib.sh"
doorbell=${2:?usage: $0 path/to/dorvane path/to/dorvane_e2e_doorbell}

[ "$(id -u)" = 0 ] || { echo "SKIP: making a second account needs root"; exit 77; }
other=dorvane-e2e-$$
useradd --system --user-group --no-create-home --shell /usr/sbin/nologin "$other" ||
    { echo "SKIP: cannot make a second account"; exit 77; }
others=()
cleanup_accounts() {
    [ ${#others[@]} -eq 0 ] || kill "${others[@]}" 2>/dev/null || true
    e2e_cleanup || true
    userdel "$other" || true
}
trap cleanup_accounts EXIT

# Runs $@ as the other account in the background; setpriv runs it in its own place, so its pid is the program's.
as_other() {
    setpriv --reuid="$other" --regid="$other" --clear-groups "$@" &
    others+=($!)
}

# The doorbell name of the running copy, as anyone reads it in /proc/net/unix.
doorbell_of() {
    local fd inode name
    for fd in /proc/"$1"/fd/*; do
        inode=$(readlink "$fd" | sed -n 's/^socket:\[\([0-9]*\)\]$/\1/p')
        [ -n "$inode" ] || continue
        name=$(awk -v inode="$inode" '$7 == inode && $8 ~ /^@dorvane-/ { print substr($8, 2) }' /proc/net/unix)
        [ -n "$name" ] && { echo "$name"; return 0; }
    done
    return 0
}

body() {
    chmod 755 "$e2e_dir" "$XDG_CONFIG_HOME"
    mkdir -m 755 "$e2e_config"
    cp "$doorbell" "$e2e_dir/doorbell" && chmod 755 "$e2e_dir/doorbell"
    touch "$e2e_dir/calls.log" && chmod 666 "$e2e_dir/calls.log"

    # The other account takes the name the user's copy answered on.
    e2e_start
    local name
    name=$(doorbell_of "$e2e_pid")
    [ -n "$name" ] || fail "the running copy has no doorbell"
    kill "$e2e_pid"; wait "$e2e_pid" 2>/dev/null || true
    as_other "$e2e_dir/doorbell" "$name" "$e2e_dir/calls.log"
    e2e_until 10 "grep -q '@$name\$' /proc/net/unix" || fail "the other account's doorbell did not come up"
    e2e_start
    grep -q show "$e2e_dir/calls.log" && fail "the user's copy asked the other account's doorbell to show"
    [ "$(stat -c %a "$e2e_config")" = 755 ] || fail "the existing settings folder's mode was changed"
    kill "$e2e_pid"; wait "$e2e_pid" 2>/dev/null || true

    # The other account locks the folder: the user's copy runs and says why it could not rule out another.
    as_other flock --exclusive --no-fork "$e2e_config" sleep 600
    e2e_until 10 "grep -q ' FLOCK .* ${others[-1]} ' /proc/locks" || fail "the other account's lock did not come"
    e2e_start
    e2e_until 60 "grep -q 'another account, $other, holds its lock' '$e2e_dir/program.log'" ||
        fail "no word that another account holds the lock"
    # A second start still meets the user's running copy, and only it.
    local second status=0
    "$e2e_program" >> "$e2e_dir/program.log" 2>&1 & second=$!
    e2e_until 60 "! kill -0 $second 2>/dev/null" || fail "the second copy kept running"
    wait "$second" || status=$?
    [ "$status" -eq 0 ] || fail "the second copy ended with status $status"
    kill -0 "$e2e_pid" || fail "the first copy ended"
    grep -q show "$e2e_dir/calls.log" && fail "a start asked the other account's doorbell to show"
    echo "PASS: another account's doorbell not believed, its lock no running copy, the user's copy still met"
}

body
