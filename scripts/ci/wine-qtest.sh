#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# CTest's emulator for the Windows build: runs one QtTest program under Wine.
# Usage: wine-qtest.sh <Wine prefix> <folders with the DLLs, ':'-separated> <program.exe> [arguments]
set -euo pipefail
export WINEPREFIX=$1
dll_folders=$2
program=$3
shift 3

# Wine reads Z: as the Unix root.
windows_path() {
    local path=$1
    printf 'Z:%s' "${path//\//\\}"
}

WINEPATH=
IFS=: read -ra folders <<< "$dll_folders"
for folder in "${folders[@]}"; do
    WINEPATH+="${WINEPATH:+;}$(windows_path "$folder")"
done
export WINEPATH
export WINEDEBUG=${WINEDEBUG:--all}
# Wine withholds QT_* variables from Windows programs and hands them WINEQT_*
# as QT_* instead, so the test's platform and settings must be renamed to arrive.
for name in $(compgen -e); do
    [[ $name == QT_* ]] && export "WINE$name=${!name}"
done
# The Windows C runtime reads TZ in a format of its own ("CET-1CEST") and takes
# a zone name such as Europe/Berlin for UTC, while the rest of Windows keeps to
# the system's zone; without TZ both agree.
unset TZ
# Wine names files on the Unix side in the encoding of LC_CTYPE; a locale that
# is not installed (the tests ask for de_DE.UTF-8) would leave it ASCII, and no
# file name beyond ASCII could be made. The Windows side keeps its code page.
unset LC_ALL
export LC_CTYPE=C.UTF-8

# A QtTest program's report reaches the terminal under Wine only through a file.
# Wine's own output goes to a file too: the helper processes that Wine starts
# along with the first program would hold CTest's pipe open, and CTest would
# wait for them until its timeout.
report=$(mktemp)
wine_output=$(mktemp)
trap 'rm -f "$report" "$wine_output"' EXIT
wine "$program" "$@" -o "$(windows_path "$report"),txt" >"$wine_output" 2>&1 </dev/null &
wine_pid=$!
# A test program whose report is complete should end at once. Now and then one
# under Wine never does: at exit, libstdc++'s DLL detach waits forever on a
# semaphore (seen with WINEDEBUG=+relay). What the test checked is in its
# report by then, so after a grace period the program is ended, its result
# taken from the report, and the hang said aloud.
finished_since=
while kill -0 "$wine_pid" 2>/dev/null; do
    if [ -z "$finished_since" ] && grep -q '^\*\*\*\*\*\*\*\*\* Finished testing of' "$report" 2>/dev/null; then
        finished_since=$SECONDS
    fi
    if [ -n "$finished_since" ] && [ $((SECONDS - finished_since)) -ge 20 ]; then
        kill "$wine_pid" 2>/dev/null || true
        break
    fi
    sleep 0.2
done
status=0
wait "$wine_pid" || status=$?
cat "$report"
if [ -n "$finished_since" ] && [ $((SECONDS - finished_since)) -ge 20 ]; then
    echo "NOTE: $(basename "$program") finished its tests but did not end under Wine within 20 s; ended it."
    grep -q '^Totals: .*, 0 failed,' "$report" && status=0 || status=1
fi
if [ "$status" -ne 0 ]; then
    echo "--- Wine's output:"
    cat "$wine_output"
fi
exit "$status"
