#!/bin/sh
# The Makefile's deps steps: installs those of the named Debian packages that are
# missing, as root or through sudo.  Another package manager (unattended upgrades,
# PackageKit on a freshly booted desktop) may hold apt's locks: then this waits up to
# five minutes and says what it waits for, instead of failing at once.
#
#     scripts/install_packages.sh [APT-GET OPTION...] PACKAGE...
#
# Options (such as --no-install-recommends) are handed to apt-get install.
set -eu
wait_seconds=${APT_LOCK_WAIT:-300}

options=
missing=
for package in "$@"; do
    case $package in -*) options="$options $package"; continue ;; esac
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
        || missing="$missing $package"
done
[ -n "$missing" ] || exit 0
echo "Installing missing packages:$missing"

if [ "$(id -u)" = 0 ]; then
    sudo=
elif command -v sudo >/dev/null 2>&1; then
    sudo=sudo
else
    echo "Please run as root: apt-get install -y$missing"
    exit 1
fi
apt() { $sudo env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout="$wait_seconds" "$@"; }

# apt-get install waits for the dpkg lock by itself (DPkg::Lock::Timeout, with a line
# naming the process that holds it); apt-get update does not wait for the lock on the
# package lists, so that wait is done here.
waited=0
log=$(mktemp)
trap 'rm -f "$log"' EXIT
until apt update >"$log" 2>&1; do
    if ! grep -q 'Could not get lock\|Unable to lock' "$log" || [ "$waited" -ge "$wait_seconds" ]; then
        cat "$log"
        exit 1
    fi
    [ "$waited" -gt 0 ] || echo "Waiting for another package manager to release the package lists' lock (at most ${wait_seconds} s):" \
        "$(grep -m1 'lock' "$log")"
    sleep 5
    waited=$((waited + 5))
done
tail -n 1 "$log"
# shellcheck disable=SC2086 # one word per option and package
apt install -y $options $missing
