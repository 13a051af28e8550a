#!/usr/bin/env bash
# Installs the Debian package into a fresh, minimal Debian 12 (debootstrap, in a
# folder), starts the program there under Xvfb and checks that its window appears.
# Needs root and the Debian packages debootstrap and imagemagick; run after
# `make package`:
#
#     sudo scripts/check_package.sh build/ortelana_4.1_amd64.deb [ROOT] [SCREENSHOT.png]
#
# ROOT (default /tmp/ortelana-bookworm) is kept between runs, so only the first run
# downloads the base system; the package is removed again at the end.
set -euo pipefail

deb=$(readlink -f "${1:?usage: check_package.sh PACKAGE.deb [ROOT] [SCREENSHOT.png]}")
root=${2:-/tmp/ortelana-bookworm}
shot=${3:-}
mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}

if [ ! -x "$root/usr/bin/apt-get" ]; then
    echo "== debootstrap bookworm into $root"
    debootstrap --variant=minbase bookworm "$root" "$mirror" >"$root.debootstrap.log" 2>&1 \
        || { tail -20 "$root.debootstrap.log"; exit 1; }
fi

mounted=()
cleanup() {
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount "${mounted[$i]}" || true; done
}
trap cleanup EXIT
for fs in proc sys dev dev/pts; do
    mount --bind "/$fs" "$root/$fs"
    mounted+=("$root/$fs")
done

in_root() { chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"; }

echo "== apt-get install ./$(basename "$deb") (and Xvfb to look at it)"
cp "$deb" "$root/tmp/ortelana.deb"
in_root apt-get update -qq
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    /tmp/ortelana.deb xvfb x11-utils x11-apps >/dev/null

echo "== the installed program"
in_root ortelana --version
in_root test -f /usr/lib/ortelana/Справка.html

echo "== start it under Xvfb"
in_root sh -c '
    Xvfb :77 -screen 0 1024x768x24 -nolisten tcp >/tmp/xvfb.log 2>&1 &
    xvfb=$!
    sleep 2
    DISPLAY=:77 ortelana >/tmp/ortelana.log 2>&1 &
    program=$!
    found=no
    for i in $(seq 1 40); do
        if DISPLAY=:77 xwininfo -root -tree | grep -q "\"Ортелана\""; then found=yes; break; fi
        sleep 0.25
    done
    sleep 1
    DISPLAY=:77 xwd -root -silent >/tmp/ortelana-screen.xwd
    kill $program $xvfb 2>/dev/null || true
    cat /tmp/ortelana.log
    echo "window found: $found"
    test $found = yes
'
if [ -n "$shot" ]; then
    convert "xwd:$root/tmp/ortelana-screen.xwd" "$shot"
    echo "== screenshot: $shot"
fi

echo "== remove the package"
in_root env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq ortelana >/dev/null
in_root test ! -e /usr/bin/ortelana
echo "package check passed"
