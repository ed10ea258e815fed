#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The installer under Wine and Xvfb: it installs silently, the Start-menu entry
# starts the installed program, which finds its DLLs, plugins and shipped
# pages where the installer put them, and the uninstaller removes it.
# Usage: e2e_installer.sh <dorvane-...-win64.exe> <recorder.exe> <Wine prefix>
source "$(dirname "$0")/lib.sh"

installer=$1
# No DLL folders: the installed program must bring all it needs.
e2e_use_prefix "$3"
e2e_register_recorder "$2"
installed="$e2e_drive_c/Program Files/Dorvane"
shortcut='C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Dorvane\Dorvane.lnk'
rm -f "$e2e_drive_c/9836v3.txt"

wine "$installer" /S || fail "the installer failed"
[ -f "$installed/bin/dorvane.exe" ] || fail "no bin\\dorvane.exe in C:\\Program Files\\Dorvane"
for language in de fr; do
    [ -f "$installed/share/dorvane/translations/dorvane_$language.qm" ] || fail "no translation into $language installed"
done
[ -f "$e2e_drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Dorvane/Dorvane.lnk" ] ||
    fail "no Start-menu entry"

e2e_start start "$shortcut"
e2e_until 60 test -f "$e2e_drive_c/9836v3.txt" || fail "the installed program did not create C:\\9836v3.txt"
e2e_click 180 68 # Help
e2e_until 60 logged '^C:.Program Files.Dorvane.share.dorvane.site.english.dorvane\.htm$' ||
    fail "Help did not open the installed pages"
e2e_stop

wine "$installed/Uninstall.exe" /S || fail "the uninstaller failed"
# The uninstaller copies itself elsewhere and works from there.
e2e_until 60 test ! -e "$installed/bin/dorvane.exe" || fail "the uninstaller left bin\\dorvane.exe"
echo "PASS: installed silently, started from the Start menu with its own DLLs and pages, uninstalled"
