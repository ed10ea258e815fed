#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# CI: Dorvane as a Debian user gets it. Validates the desktop entry and the
# AppStream metainfo, builds the Debian package in build/ (reusing what
# ./test.sh built there), has lintian check it, installs it with apt-get,
# starts the installed program from its desktop entry under Xvfb, and as an
# ordinary user, whose wake-up timer the package's helper holds, and removes
# the package again.
# Run as root (or with sudo at hand) on a Debian-like machine.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../setup.sh"
dorvane_install_packages "${dorvane_packages[@]}" "${dorvane_test_packages[@]}" desktop-file-utils appstream dpkg-dev lintian

started=$SECONDS
build="$dorvane_root/build"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
apt=("${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=900 -y -q)
entry=share/applications/org.dorvane.Dorvane.desktop
metainfo=share/metainfo/org.dorvane.Dorvane.metainfo.xml
copyright=share/doc/dorvane/copyright
changelog=share/doc/dorvane/changelog.gz
manual=share/man/man1/dorvane.1.gz
helper=libexec/dorvane/dorvane-wake
translations=(share/dorvane/translations/dorvane_de.qm share/dorvane/translations/dorvane_fr.qm)

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

echo "== Desktop entry and metainfo, as shipped"
desktop-file-validate "$dorvane_root/desktop/org.dorvane.Dorvane.desktop"
cmake -S "$dorvane_root" -B "$build" > /dev/null
cmake --build "$build" --parallel 2 > /dev/null
appstreamcli validate --no-net "$build/org.dorvane.Dorvane.metainfo.xml"

echo "== Debian package"
rm -f "$build"/dorvane_*.deb
(cd "$build" && cpack -G DEB > /dev/null)
debs=("$build"/dorvane_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single dorvane_*.deb: ${debs[*]}"
deb=${debs[0]}
depends=$(dpkg-deb --field "$deb" Depends)
echo "$(basename "$deb"): Depends: $depends"
# dpkg-shlibdeps worked the libraries out; a build without it would list none.
for library in libqt6widgets6 libqt6core6 libc6 xdg-utils libcap2-bin; do
    [[ $depends == *"$library"* ]] || fail "the package does not depend on $library"
done
[[ $depends != *webengine* ]] || fail "the package depends on the web engine, which its pages never need"

echo "== lintian"
# Debian's own checker: any error or warning fails; notes (I:) are shown too.
lintian --fail-on error,warning --display-info "$deb" || fail "lintian found errors or warnings in $(basename "$deb")"

echo "== Installed with apt-get"
remove() {
    "${apt[@]}" remove dorvane > /dev/null || true
}
trap remove EXIT
(cd "$build" && "${apt[@]}" install "./$(basename "$deb")")
desktop-file-validate "/usr/$entry"
appstreamcli validate --no-net "/usr/$metainfo"
installed=$(dpkg-query -L dorvane)
for file in "$copyright" "$changelog" "$manual" "${translations[@]}"; do
    grep -qx "/usr/$file" <<< "$installed" && [ -f "/usr/$file" ] || fail "the package did not install /usr/$file"
done
# The installed program finds its translations: its help speaks each language.
for language in de_DE fr_FR; do
    [ "$(LANG=$language.UTF-8 /usr/bin/dorvane --help)" != "$(LANG=C.UTF-8 /usr/bin/dorvane --help)" ] ||
        fail "the installed program's help under $language is the English one"
done
# lintian reads the changelog but does not hold its version against the package's.
logged=$(zcat "/usr/$changelog" | dpkg-parsechangelog -l - -S Version)
version=$(dpkg-deb --field "$deb" Version)
[ "$logged" = "$version" ] || fail "the changelog's latest entry is for $logged, the package is $version"
bash "$dorvane_root/tests/e2e/e2e_installed.sh" "/usr/$entry" /usr/share/dorvane/site
# The wake helper has the one capability it needs, permitted only, given by the
# package's postinst; it is the helper without the tests' seam; and it holds
# the timer for a user who may not set one.
getcap "/usr/$helper" | grep -q ' cap_wake_alarm=p$' || fail "/usr/$helper lacks cap_wake_alarm=p: '$(getcap "/usr/$helper")'"
! grep -qa DORVANE_WAKE_TEST_ROOT "/usr/$helper" || fail "/usr/$helper is the tests' build, which reads the system's state where it is told"
bash "$dorvane_root/tests/e2e/e2e_wake.sh" /usr/bin/dorvane nobody

echo "== Removed"
trap - EXIT
"${apt[@]}" remove dorvane
! dpkg-query -W -f='${Status}' dorvane 2>/dev/null | grep -q 'install ok installed' || fail "dorvane is still installed"
for file in bin/dorvane "$helper" "$entry" "$copyright" "$changelog" "$manual" "${translations[@]}"; do
    [ ! -e "/usr/$file" ] || fail "the package left /usr/$file behind"
done
echo "PASS: package built, passed lintian, installed, started from its desktop entry and removed in $((SECONDS - started)) s"
