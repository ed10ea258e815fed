#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-builds Dorvane and its tests for 64-bit Windows with MinGW-w64, runs the
# tests under Wine, runs the real dorvane.exe end to end under Wine and Xvfb,
# then builds the NSIS installer, installs it silently under Wine and starts
# the installed program.
#
# Qt for Windows comes from the shared toolchains' archive when one is found
# ($DORVANE_TOOLCHAINS, ../shared/toolchains beside this checkout, or beside the
# repository it was cloned from); otherwise scripts/ci/build-qt-mingw.sh builds
# it from Debian's source, once, into the cache (~/.cache/dorvane-windows or
# $XDG_CACHE_HOME), which takes about 25 minutes.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
toolchain_file=$root/cmake/mingw-w64-x86_64.cmake
cache=${XDG_CACHE_HOME:-$HOME/.cache}/dorvane-windows
build=$root/build-windows
prefix=$build/wine
qt_archive_name=qt6.4.2-mingw-w64.tar.xz
started=$SECONDS

step() { printf '\n=== %s (%ds)\n' "$*" $((SECONDS - started)); }
die() { echo "check-windows: $*" >&2; exit 1; }

install_packages() {
    local wanted=(cmake ninja-build g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
                  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
                  wine wine64 xvfb xauth xdotool nsis xz-utils)
    local missing=() package
    for package in "${wanted[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=900 update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=900 \
        install -y -qq --no-install-recommends "${missing[@]}"
}

# Prints where the shared Qt archive is, if anywhere.
find_qt_archive() {
    local origin candidate
    origin=$(git -C "$root" config --get remote.origin.url 2>/dev/null || true)
    for candidate in ${DORVANE_TOOLCHAINS:+"$DORVANE_TOOLCHAINS"} "$root/../shared/toolchains" \
                     ${origin:+"$origin/../shared/toolchains"}; do
        [ -f "$candidate/$qt_archive_name" ] && { echo "$candidate/$qt_archive_name"; return 0; }
    done
    return 1
}

# Prints the folder of the unpacked Qt, unpacking or building it when the cache lacks it.
provide_qt() {
    local archive
    if ! archive=$(find_qt_archive); then
        archive=$cache/qt-build/$qt_archive_name
        if [ ! -f "$archive" ]; then
            echo "No $qt_archive_name found: building Qt for Windows into $cache (about 25 minutes)" >&2
            # The script writes its archive beside itself.
            mkdir -p "$cache/qt-build"
            cp "$root/scripts/ci/build-qt-mingw.sh" "$toolchain_file" "$cache/qt-build/"
            "$cache/qt-build/build-qt-mingw.sh" "$cache/qt-build/work" >&2
            rm -rf "$cache/qt-build/work"
        fi
    fi
    local sum
    sum=$(sha256sum "$archive" | cut -d' ' -f1)
    if [ "$(cat "$cache/qt6-mingw.sha256" 2>/dev/null)" != "$sum" ] || [ ! -d "$cache/qt6-mingw" ]; then
        rm -rf "$cache/qt6-mingw" "$cache/qt6-mingw.sha256"
        mkdir -p "$cache"
        tar -C "$cache" -xJf "$archive"
        echo "$sum" > "$cache/qt6-mingw.sha256"
    fi
    echo "$cache/qt6-mingw"
}

# The MinGW runtime DLLs (C++ library, libgcc, winpthread) that every program needs.
mingw_runtime_folders() {
    local dll
    for dll in libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll; do
        dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name="$dll")"
    done | sort -u | paste -sd:
}

step "Packages"
install_packages
step "Qt for Windows"
qt=$(provide_qt)
echo "$qt"
dll_folders="$qt/bin:$(mingw_runtime_folders)"

step "Wine prefix (in the background) and cross-build"
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# A fresh prefix every run: nothing left from the last one (settings files,
# handlers, an installed copy) can make a test pass.
[ -d "$prefix" ] && { wineserver -k 2>/dev/null || true; }
rm -rf "$prefix"
mkdir -p "$build"
# One server for the whole run instead of one per program. Without the 32-bit
# half of Wine, wineboot fails on its 32-bit programs but makes the prefix.
mkdir -p "$prefix"
wineserver -p
wineboot -i >"$build/wineboot.log" 2>&1 &
wineboot_pid=$!
trap 'wineserver -k 2>/dev/null || true' EXIT

cmake -S "$root" -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain_file" \
    -DCMAKE_PREFIX_PATH="$qt" -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_UNITY_BUILD=ON \
    -DDORVANE_WITH_WEBENGINE=OFF -DDORVANE_BUILD_BENCH=OFF -DDORVANE_WERROR=ON \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$root/scripts/ci/wine-qtest.sh;$prefix;$dll_folders" >/dev/null
cmake --build "$build" --parallel 2
wait "$wineboot_pid" || true
[ -d "$prefix/drive_c/windows/system32" ] || { cat "$build/wineboot.log"; die "could not make the Wine prefix"; }

step "Tests under Wine"
(cd "$build" && ctest --output-on-failure --timeout 120)

step "The real dorvane.exe under Wine"
recorder=$build/tests/e2e/dorvane_e2e_recorder.exe
bash "$root/tests/e2e/windows/e2e_wine.sh" "$build/dorvane.exe" "$recorder" "$prefix" "$dll_folders"

step "Installer"
(cd "$build" && cpack -G NSIS >/dev/null)
installer=$(ls "$build"/*-win64.exe)
echo "$installer"
bash "$root/tests/e2e/windows/e2e_installer.sh" "$installer" "$recorder" "$prefix"

step "Done"
echo "check-windows: all passed in $((SECONDS - started)) s"
