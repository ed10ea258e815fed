#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What building and testing Dorvane needs, and how to build it in build/.
# Sourced by run.sh and test.sh, which choose the packages to install.
set -euo pipefail

dorvane_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

dorvane_packages=(build-essential cmake qt6-base-dev qt6-webengine-dev libgl-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
                  fonts-dejavu-core xdg-utils file)
# dbus and python3-dbusmock: a private bus with a stand-in logind; libcap2-bin: setcap for the wake helper;
# at-spi2-core, python3-gi and gir1.2-atspi-2.0: the accessibility bus, read as a screen reader reads it;
# qemu-system-x86, busybox-static and python3: the suspend test's guest and its watcher.
dorvane_test_packages=(xvfb xauth xdotool x11-apps tzdata libfaketime dbus python3-dbusmock libcap2-bin
                       at-spi2-core python3-gi gir1.2-atspi-2.0 qemu-system-x86 busybox-static python3)

dorvane_install_packages() {
    local wanted=("$@") missing=() package
    command -v dpkg-query >/dev/null || {
        echo "Not a Debian-like system: install CMake, a C++20 compiler and Qt 6 (Widgets, WebEngine, Test) yourself." >&2
        return 0
    }
    for package in "${wanted[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || {
            echo "These packages are missing: ${missing[*]}" >&2
            echo "Install them as root (apt-get install ${missing[*]}), or install sudo, then run this again." >&2
            return 1
        }
        sudo=(sudo)
    fi
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

dorvane_build() {
    cmake -S "$dorvane_root" -B "$dorvane_root/build" "$@"
    cmake --build "$dorvane_root/build" --parallel "$(nproc 2>/dev/null || echo 2)"
}
