#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The unit, widget and end-to-end tests and a leak check of the real program,
# all built with AddressSanitizer and UndefinedBehaviorSanitizer. The first
# report stops the program that made it, and any report fails this check.
# Usage: scripts/ci/check-sanitizers.sh [ctest options, e.g. -R tst_TimeText]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
dorvane_install_packages "${dorvane_packages[@]}" "${dorvane_test_packages[@]}" "${checks_packages[@]}"
started=$SECONDS
checks_build

# Reports go to files as well as failing their program: an end-to-end test
# may not notice that the program it drives died of one.
reports="$checks_build_dir/sanitizer-reports"
rm -rf "$reports"
mkdir -p "$reports"
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:log_path=$reports/report"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:log_path=$reports/report"
export LSAN_OPTIONS="suppressions=$checks_dir/lsan.supp:print_suppressions=0"

failed=()
# The suspend test is ./test.sh's alone: in its guest no report would reach
# this check, and it takes minutes. So is e2e_wake, which mostly waits for a
# frozen copy; the paths it drives run here in tst_AlarmClock and e2e_alarm.
(cd "$checks_build_dir" && ctest --output-on-failure -LE suspend -E '^e2e_wake$' "$@") || failed+=("the tests")
bash "$checks_dir/leak-check.sh" "$checks_build_dir/dorvane" || failed+=("the leak check")

shopt -s nullglob
found=("$reports"/report.*)
for report in "${found[@]}"; do
    echo "--- $report:"
    cat "$report"
done
[ ${#found[@]} -eq 0 ] || failed+=("${#found[@]} sanitizer report(s)")

if [ ${#failed[@]} -ne 0 ]; then
    echo "check-sanitizers: FAILED: $(printf '%s; ' "${failed[@]}")" >&2
    exit 1
fi
echo "check-sanitizers: no sanitizer report, no leak ($((SECONDS - started)) s)"
