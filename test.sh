#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Dorvane with warnings as errors and runs every
# test headless: widget tests on Qt's offscreen platform, the real program under Xvfb.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/scripts/setup.sh"
dorvane_install_packages "${dorvane_packages[@]}" "${dorvane_test_packages[@]}"
dorvane_build -DDORVANE_WERROR=ON
cd "$dorvane_root/build"
ctest --output-on-failure "$@"
