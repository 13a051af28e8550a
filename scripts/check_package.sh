#!/usr/bin/env bash
# The README's first steps on a fresh, minimal Debian 12: bootstraps one into a
# folder (debootstrap, from this machine's own Debian mirror), adds git and make,
# prints how many packages and megabytes each of the Makefile's package sets would
# fetch there, clones the repository, runs `make run` against a private Xvfb until the
# window «Ортелана» appears (timed), then `make test`.  With --deb it also installs a
# package there and opens its window.  Needs root, debootstrap, and Xvfb and
# x11-utils on this machine (the fresh root has no X server of its own).
#
#     sudo scripts/check_package.sh [--no-test] [--deb PACKAGE.deb] [--root DIR]
#                                   [--screenshot FILE.png] [REPOSITORY]
#
# REPOSITORY (default: the one this script is in) is cloned at its current commit.
# DIR (default /tmp/ortelana-bookworm) is made afresh on every run.  Not part of
# `make test`: it downloads a base system and every package.
set -euo pipefail

# The X server, a private Xvfb, comes from the tests' session launcher, which ends it
# with this script.
if [ -z "${ORTELANA_CHECK_SESSION:-}" ]; then
    ORTELANA_CHECK_SESSION=1 exec "$(dirname "$0")/../tests/session/ortelana-session" --x11 -- "$0" "$@"
fi

root=/tmp/ortelana-bookworm
run_test=yes
deb=
shot=
while [ $# -gt 0 ]; do
    case $1 in
        --no-test) run_test=no ;;
        --deb) deb=$(readlink -f "$2"); shift ;;
        --root) root=$2; shift ;;
        --screenshot) shot=$(readlink -f "$2"); shift ;;
        -*) echo "unknown option $1" >&2; exit 2 ;;
        *) break ;;
    esac
    shift
done
repository=$(readlink -f "${1:-$(dirname "$0")/..}")
[ "$(id -u)" = 0 ] || { echo "run as root" >&2; exit 2; }

# This machine's own Debian mirror: the first bookworm entry of its apt sources,
# in either format.
# shellcheck disable=SC2016 # apt's own placeholders
mirror=$( { apt-get indextargets --format '$(REPO_URI) $(RELEASE)' 2>/dev/null || true; } \
          | awk '$2 == "bookworm" { print $1; exit }')
mirror=${mirror%/}
[ -n "$mirror" ] || { echo "no bookworm mirror in this machine's apt sources" >&2; exit 1; }

mounted=()
cleanup() {
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount "${mounted[$i]}" || true; done
}
trap cleanup EXIT

echo "== debootstrap --variant=minbase bookworm $root $mirror"
rm -rf "$root"
debootstrap --variant=minbase bookworm "$root" "$mirror" >"$root.debootstrap.log" 2>&1 \
    || { tail -20 "$root.debootstrap.log"; exit 1; }
# The machine's Debian sources (updates and security too) replace debootstrap's one line.
: >"$root/etc/apt/sources.list"
for source in /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
    if [ ! -f "$source" ] || ! grep -q "$mirror" "$source"; then continue; fi
    cp "$source" "$root/etc/apt/sources.list.d/machine-$(basename "$source")$( [[ $source == *.sources ]] || echo .list)"
done
cp /etc/resolv.conf "$root/etc/resolv.conf"
for fs in proc sys dev dev/pts; do
    mount --bind "/$fs" "$root/$fs"
    mounted+=("$root/$fs")
done

# The X server runs here and is reached through its socket: the fresh root gets
# nothing that the README's steps would not install.
display=${DISPLAY#:}
mkdir -p "$root/tmp/.X11-unix"
mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"
mounted+=("$root/tmp/.X11-unix")

# chroot and env replace themselves with the command, so a command started in the
# background has the PID of the command itself.
in_root=(chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8
         TERM=dumb DISPLAY=":$display")
in_root() { "${in_root[@]}" "$@"; }

echo "== apt-get update; apt-get install git make (answering its question with y)"
in_root sh -c 'apt-get update && apt-get install git make' <<<"y" >"$root.git-make.log" 2>&1 \
    || { tail -20 "$root.git-make.log"; exit 1; }

echo "== git clone"
git clone -q --bare "$repository" "$root/srv/ortelana.git"
in_root sh -c 'cd /root && git clone -q /srv/ortelana.git ortelana'

echo "== what each package set fetches on this root"
{ in_root make -s -C /root/ortelana list-packages 2>/dev/null || echo "(no package sets in this tree's Makefile)" >&2; } |
while read -r set packages; do
    # shellcheck disable=SC2086 # one word per package
    summary=$(in_root apt-get install --assume-no $packages </dev/null 2>/dev/null || true)
    printf '%-9s %s packages, %s\n' "$set" \
        "$(sed -n 's/.* \([0-9]*\) newly installed.*/\1/p' <<<"$summary")" \
        "$(sed -n 's/^\(Need to get .*\)\.$/\1/p; s/^After this operation, \(.*\)\.$/\1/p' <<<"$summary" | paste -sd ';')"
done

echo "== make run, until the window «Ортелана» appears"
window_up() { DISPLAY=":$display" xwininfo -root -tree 2>/dev/null | grep -q '"Ортелана"'; }
start=$(date +%s)
# timeout ends make and the program together, as one process group.
"${in_root[@]}" sh -c 'cd /root/ortelana && exec timeout 1800 make run' >"$root.make-run.log" 2>&1 &
run=$!
until window_up; do
    kill -0 "$run" 2>/dev/null || { tail -30 "$root.make-run.log"; echo "make run ended without a window"; exit 1; }
    sleep 1
done
seconds=$(($(date +%s) - start))
echo "window after $((seconds / 60)) min $((seconds % 60)) s"
sleep 1
[ -z "$shot" ] || { DISPLAY=":$display" import -window root "$shot" && echo "screenshot: $shot"; }
kill "$run"
wait "$run" || true

if [ -n "$deb" ]; then
    echo "== apt-get install ./$(basename "$deb"), then its window"
    cp "$deb" "$root/tmp/ortelana.deb"
    in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq /tmp/ortelana.deb >/dev/null
    in_root ortelana --version
    "${in_root[@]}" sh -c 'cd /tmp && exec timeout 60 ortelana' >"$root.package-run.log" 2>&1 &
    run=$!
    for _ in $(seq 40); do window_up && break; sleep 0.5; done
    window_up || { cat "$root.package-run.log"; echo "the installed program shows no window"; exit 1; }
    kill "$run"
    wait "$run" || true
    in_root env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq ortelana >/dev/null
    in_root test ! -e /usr/bin/ortelana
fi
# From here on the root's own X servers (the suite's) keep to its own socket folder.
umount "$root/tmp/.X11-unix"
unset 'mounted[-1]'

if [ "$run_test" = yes ]; then
    echo "== make test"
    in_root bash -c 'cd /root/ortelana && time make test' >"$root.make-test.log" 2>&1 \
        || { tail -60 "$root.make-test.log"; exit 1; }
    grep -E 'tests passed|real' "$root.make-test.log"
fi

echo "fresh-machine check passed"
