#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test program's function as the ordinary user nobody; skipped (77)
# unless run as root, since anyone else has run it as an ordinary user already.
# Usage: as-user.sh <test program> <test function>
program=$1
function=$2
[ "$(id -u)" = 0 ] || exit 77
if ! runuser -u nobody -- test -x "$program"; then
    copy=$(mktemp -d)
    trap 'rm -rf "$copy"' EXIT
    cp "$program" "$copy/"
    chmod 755 "$copy"
    program=$copy/$(basename "$program")
fi
runuser -u nobody -- "$program" "$function"
