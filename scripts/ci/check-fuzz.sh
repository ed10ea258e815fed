#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs each libFuzzer target for a bounded time and memory, from its seeds and
# regression inputs in fuzz/corpus/<target>/. A broken property, a crash, a
# sanitizer report, a leak, an input slower than 10 s or an allocation of more
# than 64 MB fails the check; the input that did it is kept in
# build-checks/fuzz-findings/. Inputs that reached new code are kept in
# build-checks/fuzz-work/, so that later runs go on from there.
# Usage: scripts/ci/check-fuzz.sh [--seconds N] [target...]
#   default: 30 s for each target, two at a time
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

all_targets=(fuzz_TimeText fuzz_linesOf fuzz_decidingLine fuzz_DriveMap fuzz_ForNotice)
seconds=30
targets=()
while [ $# -gt 0 ]; do
    case "$1" in
    --seconds) seconds=${2:?--seconds needs a number}; shift 2 ;;
    fuzz_*) targets+=("$1"); shift ;;
    *) echo "usage: $0 [--seconds N] [${all_targets[*]}]" >&2; exit 2 ;;
    esac
done
[ ${#targets[@]} -gt 0 ] || targets=("${all_targets[@]}")

dorvane_install_packages "${dorvane_packages[@]}" "${checks_packages[@]}"
started=$SECONDS
checks_build "${targets[@]}"

findings="$checks_build_dir/fuzz-findings"
work="$checks_build_dir/fuzz-work"
logs="$checks_build_dir/fuzz-logs"
rm -rf "$findings" "$logs"
mkdir -p "$findings" "$logs"

fuzz() {
    local target=$1 status=0
    mkdir -p "$work/$target"
    # New inputs go to the first folder; the repository's corpus is only read.
    "$checks_build_dir/fuzz/$target" -max_total_time="$seconds" -timeout=10 \
        -rss_limit_mb=2048 -malloc_limit_mb=64 -max_len=4096 -print_final_stats=1 \
        -artifact_prefix="$findings/$target-" \
        "$work/$target" "$dorvane_root/fuzz/corpus/$target" > "$logs/$target.log" 2>&1 || status=$?
    echo "$status" > "$logs/$target.status"
}

# One target for each core; each runs its time in full.
lanes=$(nproc 2>/dev/null || echo 2)
for target in "${targets[@]}"; do
    while [ "$(jobs -rp | wc -l)" -ge "$lanes" ]; do
        wait -n || true
    done
    fuzz "$target" &
done
wait

failed=()
for target in "${targets[@]}"; do
    status=$(cat "$logs/$target.status")
    log="$logs/$target.log"
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    if [ "$status" -eq 0 ]; then
        echo "$target: ${runs:-?} executions in ${seconds} s, no finding"
        continue
    fi
    failed+=("$target")
    echo "$target: FAILED after ${runs:-?} executions (exit status $status):"
    grep -v -e '^#[0-9]' -e '^INFO:' "$log" | tail -n 60
    for finding in "$findings/$target-"*; do
        [ -e "$finding" ] || continue
        echo "  input kept: $finding"
        echo "  again: $checks_build_dir/fuzz/$target $finding"
        echo "  once fixed, keep it as fuzz/corpus/$target/regression-<what it shows>"
    done
done

if [ ${#failed[@]} -ne 0 ]; then
    echo "check-fuzz: FAILED: $(printf '%s; ' "${failed[@]}")" >&2
    exit 1
fi
echo "check-fuzz: ${#targets[@]} targets, ${seconds} s each, no finding ($((SECONDS - started)) s)"
