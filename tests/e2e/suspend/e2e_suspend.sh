#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program across real suspends to RAM. A QEMU guest (Debian's kernel, busybox,
# the program from the build folder under Xvfb) runs it as root, as an ordinary
# user through its helper, and with DORVANE_WAKE=off; QEMU's own events tell, on
# the host's clock, when the guest slept and woke. Where QEMU cannot start this
# ends with 77 (skipped), or fails when DORVANE_SUSPEND_REQUIRED=1, as in CI.
# Usage: e2e_suspend.sh path/to/dorvane
set -euo pipefail
program=$(realpath "${1:?usage: $0 path/to/dorvane}")
here=$(cd "$(dirname "$0")" && pwd)
cache="$(dirname "$program")/e2e-suspend"
work=$(mktemp -d /tmp/dorvane-suspend.XXXXXX)
qemu_pid=
trap '[ -z "$qemu_pid" ] || kill "$qemu_pid" 2>/dev/null || true; rm -rf "$work"' EXIT

cannot_start() {
    echo "e2e_suspend: the guest cannot start: $*" >&2
    [ "${DORVANE_SUSPEND_REQUIRED:-}" = 1 ] && exit 1
    exit 77
}

for tool in qemu-system-x86_64 busybox /usr/bin/python3 Xvfb xkbcomp xdotool setcap apt-get dpkg; do
    command -v "$tool" > /dev/null || cannot_start "$tool is not installed"
done

# Debian's kernel, unpacked beside the build and never installed on this machine.
kernel=$(ls "$cache"/vmlinuz-* 2> /dev/null | head -n 1) || true
if [ -z "$kernel" ]; then
    rm -rf "$cache/download"
    mkdir -p "$cache/download"
    chmod 777 "$cache/download" # apt-get downloads as _apt where it can
    # linux-image-amd64 names the kernel package of the day, the one fetched.
    fetch() {
        local package
        package=$(apt-cache depends linux-image-amd64 2> /dev/null | sed -n 's/^ *Depends: \(linux-image-[0-9].*\)$/\1/p' | head -n 1) || true
        [ -n "$package" ] && (cd "$cache/download" && apt-get download -q "$package")
    }
    fetch || { apt-get update -qq || true; fetch; } || cannot_start "apt-get could not download Debian's kernel"
    dpkg -x "$cache"/download/linux-image-*.deb "$work/kernel"
    mv "$work"/kernel/boot/vmlinuz-* "$cache/"
    rm -rf "$cache/download" "$work/kernel"
    kernel=$(ls "$cache"/vmlinuz-* | head -n 1)
fi

# The guest's root: what the program, Xvfb and the init need, with their libraries.
# The kernel unpacks it into memory, so the guest needs no disk, nor any module.
root="$work/root"
mkdir -p "$root"/{usr/bin,usr/sbin,usr/lib,usr/lib64,usr/local/bin,opt/dorvane,etc,proc,sys,dev,tmp,var/lib/xkb}
for dir in bin sbin lib lib64; do ln -s "usr/$dir" "$root/$dir"; done
copy() {
    local file
    for file in "$@"; do
        mkdir -p "$root$(dirname "$file")"
        cp -rL "$file" "$root$file"
    done
}
plugin=$(ls /usr/lib/*/qt6/plugins/platforms/libqxcb.so | head -n 1)
binaries=(/bin/busybox "$(command -v Xvfb)" "$(command -v xkbcomp)" "$(command -v xdotool)" /usr/bin/date
          "$(command -v setcap)" "$(command -v getcap)" "$plugin")
copy "${binaries[@]}" /usr/share/X11/xkb /usr/share/X11/locale /etc/fonts /usr/share/fonts/truetype/dejavu
copy $(ldd "${binaries[@]}" "$program" "$program-wake" 2> /dev/null | awk '$2 == "=>" && $3 ~ /^\// { print $3 } $1 ~ /^\/.*ld-linux/ { print $1 }' | sort -u)
cp "$program" "$program-wake" "$root/opt/dorvane/"
[ ! -d "$(dirname "$program")/site" ] || cp -r "$(dirname "$program")/site" "$root/opt/dorvane/"
cp "$here/init.sh" "$root/init"
printf '%s\n' 'root:x:0:0:root:/root:/bin/sh' 'sleeper:x:1000:1000:sleeper:/tmp:/bin/sh' > "$root/etc/passwd"
printf '%s\n' 'root:x:0:' 'sleeper:x:1000:' > "$root/etc/group"
# xdg-open hands the file over; the host times its word on arrival.
printf '%s\n' '#!/bin/sh' 'echo "opened $*" > /dev/ttyS1' > "$root/usr/local/bin/xdg-open"
chmod 755 "$root/init" "$root/usr/local/bin/xdg-open"
(cd "$root" && find . | busybox cpio -o -H newc -R 0:0 2> /dev/null) > "$work/root.cpio"

# Machine pc suspends any number of times; S3 is off on it unless asked for.
qemu-system-x86_64 -machine pc -accel tcg -smp 1 -m 1G -nodefaults -display none -no-reboot -S \
    -global PIIX4_PM.disable_s3=0 -rtc base=utc,clock=host \
    -kernel "$kernel" -initrd "$work/root.cpio" -append "console=ttyS0 panic=-1" \
    -serial "file:$work/console.log" -chardev "socket,id=report,path=$work/report.sock,server=on,wait=off" \
    -serial chardev:report -qmp "unix:$work/qmp.sock,server=on,wait=off" 2> "$work/qemu.log" &
qemu_pid=$!
status=0
/usr/bin/python3 "$here/watch.py" "$work/qmp.sock" "$work/report.sock" 420 || status=$?
[ "$status" -ne 77 ] || cannot_start "QEMU did not start: $(cat "$work/qemu.log")"
if [ "$status" -ne 0 ]; then
    echo "--- QEMU:" >&2
    cat "$work/qemu.log" >&2
    echo "--- the guest's console (last lines):" >&2
    tail -n 40 "$work/console.log" >&2 || true
fi
exit "$status"
