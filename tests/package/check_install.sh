#!/usr/bin/env bash
# Installs the build into a fresh prefix, as `make build` leaves it, and checks the tree: the program folder with
# the program and its help document together, the bin link, a desktop entry and
# metainfo that pass their validators, and the manual pages where man looks.
# Usage: check_install.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
. "$(dirname "$0")/checks.sh"

# As after `make build`, which builds the program alone: that must build all that
# the installation takes (the manual pages are made afresh here).
rm -f "$build"/man/*/ortelana.1.gz
check cmake --build "$build" --target ortelana
cmake --install "$build" --prefix "$prefix" >/dev/null
check test -x "$prefix/lib/ortelana/ortelana"
check test -f "$prefix/lib/ortelana/Справка.html"
# The help says what this program does: Orca and printing, not the Windows program's.
linux_help() { grep -q 'Orca' "$1" && ! grep -q -e 'ortelana\.exe' -e 'NVDA' "$1"; }
check linux_help "$prefix/lib/ortelana/Справка.html"
check test -L "$prefix/bin/ortelana"
check test "$(readlink -f "$prefix/bin/ortelana")" = "$(readlink -f "$prefix/lib/ortelana/ortelana")"
for size in 16 24 32 48 64 128 256; do
    icon="$prefix/share/icons/hicolor/${size}x${size}/apps/org.example.Ortelana.png"
    check test -f "$icon"
    # The PNG header's width and height must match the folder the icon sits in.
    check test "$(od -An -tu4 --endian=big -j16 -N8 "$icon" | xargs)" = "$size $size"
done
check desktop-file-validate "$prefix/share/applications/org.example.Ortelana.desktop"
check appstreamcli validate --no-net "$prefix/share/metainfo/org.example.Ortelana.metainfo.xml"
check grep -q '^Categories=Office;Calendar;$' "$prefix/share/applications/org.example.Ortelana.desktop"
# Manual pages: English in man1, Russian in ru/man1, each compressed and in its own
# language.
manual() {
    local text
    text=$(gzip -dc "$prefix/share/man/$1/ortelana.1.gz") && grep -qx "\.SH $2" <<<"$text"
}
check manual man1 NAME
check manual ru/man1 ИМЯ
# The installed program runs through its link.
out="$prefix/sheet.png"
check env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/ortelana" --export "$out" --year 2005
check test -s "$out"

finish
