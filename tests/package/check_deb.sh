#!/usr/bin/env bash
# Builds the Debian package into a scratch folder and reads it back: the control
# fields, the dependencies on Qt, its platform plugins and the fonts, and the files
# under /usr.  Usage: check_deb.sh BUILD_DIR
set -euo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
. "$(dirname "$0")/checks.sh"

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >"$out/cpack.log" 2>&1 || { cat "$out/cpack.log"; exit 1; }
debs=("$out"/*.deb)
check test "${#debs[@]}" -eq 1
deb=${debs[0]}

check test "$(dpkg-deb -f "$deb" Package)" = ortelana
check test "$(dpkg-deb -f "$deb" Architecture)" = "$(dpkg --print-architecture)"
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 qt6-qpa-plugins fonts-liberation2; do
    check grep -qE "(^|, )$package( |,|$)" <<<"$depends"
done

listing=$(dpkg-deb -c "$deb")
has() { grep -qF -- "$1" <<<"$listing"; }
check has "./usr/lib/ortelana/ortelana"
check has "./usr/lib/ortelana/Справка.html"
check has "./usr/bin/ortelana -> ../lib/ortelana/ortelana"
check has "./usr/share/applications/org.example.Ortelana.desktop"
check has "./usr/share/metainfo/org.example.Ortelana.metainfo.xml"
check has "./usr/share/icons/hicolor/256x256/apps/org.example.Ortelana.png"
# Nothing from the build machine's prefix leaks in.
check test -z "$(grep -v -- ' \./usr/' <<<"$listing" | grep -v -- ' \./$' || true)"

# The packaged program is stripped and runs.
dpkg-deb -x "$deb" "$out/root"
check test -z "$(readelf -S "$out/root/usr/lib/ortelana/ortelana" | grep -E '\.symtab|\.debug_info')"
check env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$out/root/usr/lib/ortelana/ortelana" --version

finish
