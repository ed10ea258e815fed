#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program as a screen reader hears it: on a session bus and an
# accessibility (AT-SPI) bus of the test's own, screen_reader.py reads the main
# window, then Select Files, and compares every name and description with what
# the widgets are called in this language (dorvane_accessible_names prints it).
source "$(dirname "$0")/lib.sh"
names_helper=${2:?usage: $0 path/to/dorvane path/to/dorvane_accessible_names}

# Debian's own Python, with the GObject bindings: not whatever python3 is first on the PATH.
python=/usr/bin/python3
"$python" -c 'import gi; gi.require_version("Atspi", "2.0"); from gi.repository import Atspi' 2>/dev/null || {
    echo "SKIP: no AT-SPI for /usr/bin/python3: install gir1.2-atspi-2.0 and python3-gi"
    exit 77
}
command -v dbus-daemon >/dev/null && [ -f /usr/share/dbus-1/services/org.a11y.Bus.service ] || {
    echo "SKIP: no session bus or no AT-SPI bus: install dbus and at-spi2-core"
    exit 77
}

# The AT-SPI bus launcher, started by the session bus, ends with it.
trap 'e2e_cleanup_bus; e2e_cleanup' EXIT
e2e_cleanup_bus() {
    [ -s "$e2e_dir/bus.pid" ] && kill "$(cat "$e2e_dir/bus.pid")" 2>/dev/null || true
}

body() {
    dbus-daemon --session --fork --print-address=3 --print-pid=4 3>"$e2e_dir/bus.address" 4>"$e2e_dir/bus.pid" ||
        fail "the session bus did not start"
    DBUS_SESSION_BUS_ADDRESS=$(cat "$e2e_dir/bus.address")
    export DBUS_SESSION_BUS_ADDRESS
    # Qt speaks to the accessibility bus only for a screen reader, unless told to always.
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

    QT_QPA_PLATFORM=offscreen "$names_helper" > "$e2e_dir/names.tsv" || fail "the names could not be read from the widgets"
    e2e_chooser_title=$(awk -F'\t' '$1 == "window" && $2 == "frmSelectOneFile" { print $3 }' "$e2e_dir/names.tsv")
    e2e_start
    "$python" "$(dirname "$0")/screen_reader.py" window "$e2e_dir/names.tsv" "$e2e_pid" ||
        fail "the main window is not what a screen reader should hear"
    e2e_open_chooser
    "$python" "$(dirname "$0")/screen_reader.py" chooser "$e2e_dir/names.tsv" "$e2e_pid" ||
        fail "Select Files is not what a screen reader should hear"
    xdotool key Escape
    e2e_chooser_gone || fail "Escape did not close the chooser"
    kill -0 "$e2e_pid" || fail "the program ended"
    echo "PASS: the main window and Select Files read through AT-SPI as the widgets name them"
}

body
