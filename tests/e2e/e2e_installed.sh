#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The installed program, started as the desktop's menu starts it: with the
# Exec line of its desktop entry. Its window maps, it shows the pages
# installed with it, and no web engine is loaded for them.
# Usage: e2e_installed.sh path/to/org.dorvane.Dorvane.desktop path/to/installed/site
source "$(dirname "$0")/lib.sh"

desktop_file=$e2e_program
site=${2:?usage: $0 desktop-file installed-site-folder}

# The Exec line without its field codes (%f, %U, ...), which a menu fills in.
exec_line=$(sed -n 's/^Exec=//p' "$desktop_file" | head -n 1)
[ -n "$exec_line" ] || fail "no Exec line in $desktop_file"
read -ra command <<< "${exec_line//%[fFuUdDnNickvm]/}"

body() {
    "${command[@]}" > "$e2e_dir/program.log" 2>&1 &
    e2e_pid=$!
    e2e_window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Dorvane$' | head -n 1) ||
        fail "the window of '${command[*]}' did not appear"
    ! grep -q WebEngine "/proc/$e2e_pid/maps" || fail "the web engine was loaded for the installed pages"
    e2e_click 180 68 # Help
    e2e_wait_for_log "^$site/english/dorvane.htm\$" ||
        fail "Help did not open the installed page $site/english/dorvane.htm"
    kill -0 "$e2e_pid" || fail "the program ended"
    echo "PASS: '${command[*]}' from $desktop_file mapped its window and found its pages in $site"
}

body
