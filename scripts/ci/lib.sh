#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What the checks share: their packages, and build-checks/, the tree built
# with AddressSanitizer and UndefinedBehaviorSanitizer that also holds the fuzz
# targets. Sourced by check-sanitizers.sh and check-fuzz.sh.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../setup.sh"

checks_dir="$dorvane_root/scripts/ci"
checks_build_dir="$dorvane_root/build-checks"
# clang for libFuzzer, its runtimes, and python3 for closing a window as a user does.
checks_packages=(clang libclang-rt-dev python3)

# Qt WebEngine is left out. Its Chromium runs inside our process, in
# libQt6WebEngineCore, where AddressSanitizer's own operator new and delete see
# it: built with WebEngine, the program stops on closing its window with a
# new-delete-type-mismatch report inside Chromium (under ~QWebEnginePagePrivate),
# and with the leak check's whole-stack unwinding it did not open its song
# within a minute of the alarm. Neither is ours to fix, and halting on the
# first report would hide whatever came after. The pane shows a plain link
# instead; everything else is the same program. The benchmark is left out as
# well: it measures, and checks nothing that the tests do not.
checks_configure() {
    cmake -S "$dorvane_root" -B "$checks_build_dir" \
        -DCMAKE_CXX_COMPILER=clang++ -DDORVANE_SANITIZE=ON -DDORVANE_FUZZ=ON \
        -DDORVANE_WITH_WEBENGINE=OFF -DDORVANE_BUILD_BENCH=OFF >/dev/null
}

# Builds the given targets of build-checks/, or all of them.
checks_build() {
    local targets=() target
    for target in "$@"; do
        targets+=(--target "$target")
    done
    checks_configure
    cmake --build "$checks_build_dir" --parallel "$(nproc 2>/dev/null || echo 2)" "${targets[@]}"
}
