#!/usr/bin/env bash
# Builds Qt 6.4.2 (qtbase: Core, Gui, Widgets, Test) for 64-bit Windows with MinGW-w64, from
# Debian 12's own qt6-base source package, using Debian's Qt host tools (moc, rcc, uic).
# Output: qt6.4.2-mingw-w64.tar.xz beside this script (unpacks to qt6-mingw/). About 25 min on 2 cores.
# The toolchain file mingw-w64-x86_64.cmake must lie beside it (check-windows.sh copies both).
# Usage: build-qt-mingw.sh [WORKDIR]
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work=${1:-/tmp/qt-mingw-build}
mkdir -p "$work" && cd "$work"
export DEBIAN_FRONTEND=noninteractive
if ! grep -rqs '^Types: deb-src' /etc/apt/sources.list.d/; then
  sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources > /etc/apt/sources.list.d/debian-src.sources
fi
apt-get -o DPkg::Lock::Timeout=900 update -qq
apt-get -o DPkg::Lock::Timeout=900 install -y -qq --no-install-recommends g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix \
  mingw-w64-tools ninja-build cmake qt6-base-dev qt6-base-dev-tools dpkg-dev xz-utils
[ -d qtbase-everywhere-src-6.4.2 ] || { apt-get source --download-only qt6-base; tar xf qt6-base_6.4.2+dfsg.orig.tar.xz; }
# The Debian source drops the non-free Wintab header, so tablet events are off.
cmake -G Ninja -S qtbase-everywhere-src-6.4.2 -B build \
  -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64-x86_64.cmake" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DCMAKE_INSTALL_PREFIX="$work/qt6-mingw" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF \
  -DFEATURE_concurrent=OFF -DFEATURE_opengl=OFF -DINPUT_opengl=no -DFEATURE_xml=OFF \
  -DFEATURE_vulkan=OFF -DFEATURE_tabletevent=OFF
cmake --build build --parallel "$(nproc)"
cmake --install build
tar -C "$work" -cJf "$here/qt6.4.2-mingw-w64.tar.xz" qt6-mingw
echo "wrote $here/qt6.4.2-mingw-w64.tar.xz"
