#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Dorvane and starts it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/scripts/setup.sh"
dorvane_install_packages "${dorvane_packages[@]}"
dorvane_build
exec "$dorvane_root/build/dorvane" "$@"
