#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared set-up of the end-to-end tests: a private home and settings folder,
# and xdg-open's handlers replaced by a script that records what it is given.
# Source it first thing (see common.sh).
set -euo pipefail

e2e_program=${1:?usage: $0 path/to/dorvane}
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
e2e_config="$e2e_dir/config/dorvane"

e2e_cleanup() {
    # A copy that a test froze ends only once it runs again.
    [ -n "${e2e_pid:-}" ] && { kill "$e2e_pid"; kill -CONT "$e2e_pid"; } 2>/dev/null || true
    if mountpoint -q "$e2e_config" 2>/dev/null; then
        # A program slow to end (a sanitized one) still holds the disk it ran on.
        timeout 10 sh -c "while kill -0 ${e2e_pid:-0} 2>/dev/null; do sleep 0.1; done" || true
        umount "$e2e_config" || true
    fi
    rm -rf "$e2e_dir"
}

export HOME="$e2e_dir/home"
export XDG_CONFIG_HOME="$e2e_dir/config"
export XDG_DATA_HOME="$e2e_dir/data"
export XDG_CACHE_HOME="$e2e_dir/cache"
export XDG_RUNTIME_DIR="$e2e_dir/runtime"
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID BROWSER QT_QPA_PLATFORM
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME/applications" "$XDG_CACHE_HOME" "$e2e_dir/bin"
mkdir -m 700 "$XDG_RUNTIME_DIR"

# One line per argument, one "--" after each call, and the time of the call.
cat > "$e2e_dir/bin/record" <<RECORD
#!/bin/sh
{ printf 'at %s\n' "\$(date +%s.%N)"; printf '%s\n' "\$@"; echo --; } >> "$e2e_log"
RECORD
chmod +x "$e2e_dir/bin/record"

# xdg-open itself is a slow script; a wrapper in front of it notes the moment
# the program handed something over, and what.
e2e_handed="$e2e_dir/handed.log"
e2e_real_xdg_open=$(command -v xdg-open) || { echo "FAIL: xdg-open is not installed" >&2; exit 1; }
cat > "$e2e_dir/bin/xdg-open" <<WRAPPER
#!/bin/sh
printf 'at %s %s\n' "\$(date +%s.%N)" "\$*" >> "$e2e_handed"
exec "$e2e_real_xdg_open" "\$@"
WRAPPER
chmod +x "$e2e_dir/bin/xdg-open"
export PATH="$e2e_dir/bin:$PATH"

cat > "$XDG_DATA_HOME/applications/dorvane-e2e-recorder.desktop" <<DESKTOP
[Desktop Entry]
Type=Application
Name=Recorder
Exec=$e2e_dir/bin/record %f
NoDisplay=true
DESKTOP

{
    echo "[Default Applications]"
    for type in x-scheme-handler/http x-scheme-handler/https text/html text/plain audio/mpeg \
                audio/x-wav application/octet-stream inode/x-empty; do
        echo "$type=dorvane-e2e-recorder.desktop"
    done
} > "$XDG_CONFIG_HOME/mimeapps.list"

# Starts the program in the background and waits for its main window to map.
# A program that ends first (it crashed, a sanitizer stopped it) fails at once.
e2e_start() {
    "$e2e_program" > "$e2e_dir/program.log" 2>&1 &
    e2e_pid=$!
    e2e_until 60 "xdotool search --onlyvisible --name '^Dorvane\$' >/dev/null 2>&1 || ! kill -0 $e2e_pid 2>/dev/null" || true
    kill -0 "$e2e_pid" 2>/dev/null || fail "the program ended before its window appeared"
    e2e_window=$(xdotool search --onlyvisible --name '^Dorvane$' | head -n 1) || fail "the main window did not appear"
}

# Waits up to $2 seconds (default 60) for the log to hold a line matching $1.
e2e_wait_for_log() {
    e2e_until "${2:-60}" "grep -q -- '$1' '$e2e_log' 2>/dev/null"
}

# The chooser's title, in the language the test runs the program in.
e2e_chooser_title=${e2e_chooser_title:-Select Files}

# Presses Set File, waits for the chooser to map and points the keyboard at it.
e2e_open_chooser() {
    e2e_click 125 68 # Set File
    e2e_chooser=$(timeout 60 xdotool search --sync --onlyvisible --name "^$e2e_chooser_title\$" | head -n 1) ||
        fail "Set File did not show the chooser"
    xdotool mousemove --window "$e2e_chooser" 300 240
    xdotool windowfocus --sync "$e2e_chooser"
}

# Waits for the chooser to close; false when it stays.
e2e_chooser_gone() {
    e2e_until 60 "! xdotool search --onlyvisible --name '^$e2e_chooser_title\$' >/dev/null"
}
