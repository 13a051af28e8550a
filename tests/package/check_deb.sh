#!/usr/bin/env bash
# Builds the Debian source and binary packages from debian/ (dpkg-buildpackage, once,
# without the suite, which has just run) and reads them back: the control fields, the
# dependencies dh_shlibdeps found and those named by hand (Qt's platform plugins, its
# translations, the fonts), the files under /usr, the copyright file, changelog and
# manual pages Debian asks for, and lintian's verdict on source and binary.
# Usage: check_deb.sh SOURCE_DIR
set -euo pipefail
source_dir=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
. "$(dirname "$0")/checks.sh"
shopt -s nullglob

DEB_BUILD_OPTIONS="nocheck parallel=$(nproc)" "$source_dir/scripts/build_deb.sh" "$out" -Pnocheck >"$out/build.out" 2>&1 \
    || { cat "$out/build.out"; exit 1; }
debs=("$out"/ortelana_*.deb)
check test "${#debs[@]}" -eq 1
deb=${debs[0]}
changes=("$out"/ortelana_*.changes)
dsc=("$out"/ortelana_*.dsc)

# Everything the package build needs, `make package` installs.
package_set=" $(make -s -C "$source_dir" list-packages | sed -n 's/^package: //p') "
build_depends() { sed -n '/^Build-Depends:/,/^[A-Z]/p' "$source_dir/debian/control" | sed '$d; s/^Build-Depends://'; }
in_package_set() { [[ $1 == debhelper-compat ]] && set -- debhelper; [[ $package_set == *" $1 "* ]]; }
for package in $(build_depends | tr ',' '\n' | sed 's/[(<].*//' | xargs); do
    check in_package_set "$package"
done
# The source package is the tree, with no build folder in it.
source_listing=$(tar -tf "$out"/ortelana_*.tar.xz)
check grep -qx 'ortelana-[0-9.]*/debian/rules' <<<"$source_listing"
check test -z "$(grep -E '^[^/]+/(build[^/]*|obj-[^/]*|\.git)/' <<<"$source_listing" || true)"

check test "$(dpkg-deb -f "$deb" Package)" = ortelana
check test "$(dpkg-deb -f "$deb" Architecture)" = "$(dpkg --print-architecture)"
# The names in Depends, one a line, without versions.
depends=$(dpkg-deb -f "$deb" Depends | tr ',' '\n' | sed 's/^ *//; s/[ (].*//')
for package in qt6-qpa-plugins fonts-liberation2 qt6-translations-l10n; do
    check grep -qxF "$package" <<<"$depends"
done
# No private Qt header is used, so no exact Qt version is asked for: a Qt update
# must not make the package uninstallable.
check test -z "$(grep -E '^qt6-base(-private)?-abi$' <<<"$depends" || true)"
# Each library the program links is there by the name of the package that holds it
# on this system, whatever the release calls it (libqt6core6, libqt6core6t64).
dpkg-deb -x "$deb" "$out/root"
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
holder() { dpkg-query -S "*/$multiarch/$1" | grep -v '^diversion' | sed -n '1s/[:,].*//p'; }
needed=$(objdump -p "$out/root/usr/lib/ortelana/ortelana" | awk '$1 == "NEEDED" { print $2 }')
check grep -q '^libQt6Widgets\.so' <<<"$needed"
for library in $needed; do
    check grep -qxF "$(holder "$library")" <<<"$depends"
done
check test "$(dpkg-deb -f "$deb" Recommends)" = "qt6-wayland, xdg-utils"

listing=$(dpkg-deb -c "$deb")
has() { grep -qF -- "$1" <<<"$listing"; }
check has "./usr/lib/ortelana/ortelana"
check has "./usr/lib/ortelana/Справка.html"
check has "./usr/bin/ortelana -> ../lib/ortelana/ortelana"
check has "./usr/share/applications/org.example.Ortelana.desktop"
check has "./usr/share/metainfo/org.example.Ortelana.metainfo.xml"
check has "./usr/share/icons/hicolor/256x256/apps/org.example.Ortelana.png"
check has "./usr/share/doc/ortelana/copyright"
check has "./usr/share/doc/ortelana/changelog.gz"
check has "./usr/share/man/man1/ortelana.1.gz"
check has "./usr/share/man/ru/man1/ortelana.1.gz"
# Nothing from the build machine's prefix leaks in.
check test -z "$(grep -v -- ' \./usr/' <<<"$listing" | grep -v -- ' \./$' || true)"

# The packaged program is stripped and runs.
check test -z "$(readelf -S "$out/root/usr/lib/ortelana/ortelana" | grep -E '\.symtab|\.debug_info')"
check env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$out/root/usr/lib/ortelana/ortelana" --version


# The copyright file is machine-readable, and the changelog's latest entry is the
# version being packaged.
doc="$out/root/usr/share/doc/ortelana"
check grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' "$doc/copyright"
check grep -qx 'License: Expat' "$doc/copyright"
check test "$(gzip -dc "$doc/changelog.gz" | head -n 1)" = "ortelana ($(dpkg-deb -f "$deb" Version)) unstable; urgency=medium"

# Each manual page renders, without a single warning from man or groff.
rendered() {
    local page=$1 text warnings
    text=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$page" 2>/dev/null) || return 1
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -l --warnings "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || { echo "$warnings"; return 1; }
    grep -q -- '--export' <<<"$text" && grep -q -- 'Page Down' <<<"$text"
}
check rendered "$out/root/usr/share/man/man1/ortelana.1.gz"
check rendered "$out/root/usr/share/man/ru/man1/ortelana.1.gz"

# lintian finds no error and no warning, in the source package, the binary package
# or the upload as a whole.  Its status also tells a package it could not read at
# all, which would print no tag.
check test "${#changes[@]}" -eq 1
check test "${#dsc[@]}" -eq 1
check grep -qF "$(basename "$deb")" "${changes[0]}"
lintian_clean() {
    local report status=0
    report=$(lintian --info --fail-on error,warning "${changes[0]}" 2>&1) || status=$?
    echo "$report" | sed 's/^/lintian: /'
    ! grep -qE '^[EW]: ' <<<"$report" && [ "$status" -eq 0 ]
}
check lintian_clean

finish
