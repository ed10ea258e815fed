#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every sentence of the sources translated in every language, and no
# translation left over from a sentence that is gone: lupdate reads the
# sources into copies of translations/*.ts, then they are counted, and
# lrelease must build each of them.
# Usage: check-translations.sh [lupdate [lrelease]]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
lupdate=${1:-/usr/lib/qt6/bin/lupdate}
lrelease=${2:-/usr/lib/qt6/bin/lrelease}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cp "$root"/translations/*.ts "$work/"
find "$root/src" -name '*.cpp' -o -name '*.h' | sort > "$work/sources"
"$lupdate" -silent -locations none "@$work/sources" -ts "$work"/*.ts

status=0
for ts in "$work"/*.ts; do
    name=${ts##*/}
    unfinished=$(grep -c 'type="unfinished"' "$ts" || true)
    leftover=$(grep -cE 'type="(vanished|obsolete)"' "$ts" || true)
    report=$("$lrelease" "$ts" -qm "$work/${name%.ts}.qm" 2>&1 | grep -E 'Generated|Ignored' | tr -s ' \n' ' ')
    echo "$name: $unfinished unfinished, $leftover no longer in the sources; lrelease: ${report:-no report}"
    if [ "$unfinished" -ne 0 ] || [ "$leftover" -ne 0 ]; then
        grep -B3 -E 'type="(unfinished|vanished|obsolete)"' "$ts" | grep '<source>' | sed 's/^ */    /' | head -n 20
        status=1
    fi
done
[ "$status" -eq 0 ] || echo "Bring them up to date: cmake --build build --target update_translations, then translate what it marks unfinished." >&2
exit "$status"
