#!/usr/bin/env bash
# Builds the Debian source and binary packages from debian/ with dpkg-buildpackage,
# in a clean copy of the tree (the files git knows, as they are now), so that no
# build folder of the work tree gets into the source package.  The results
# (ortelana_VERSION.dsc, .tar.xz, _ARCH.deb, .changes, .buildinfo) land in OUT.
#
#     scripts/build_deb.sh OUT [dpkg-buildpackage options...]
#
# DEB_BUILD_OPTIONS=nocheck leaves out the suite (dh_auto_test), with -Pnocheck also
# its Build-Depends.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "$1" && cd "$1" && pwd)
shift
version=$(dpkg-parsechangelog -l "$source_dir/debian/changelog" -S Version)
work=$(mktemp -d "$out/.debian-build-XXXXXX")
trap 'rm -rf "$work"' EXIT
tree="$work/ortelana-$version"
mkdir "$tree"
if git -C "$source_dir" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    (cd "$source_dir" && git ls-files -z --cached --others --exclude-standard \
        | xargs -0 sh -c 'for f; do [ -e "$f" ] || [ -L "$f" ] && printf "%s\0" "$f"; done' sh \
        | tar --null -T - -cf -) | tar -xf - -C "$tree"
else
    tar -C "$source_dir" --exclude=./.git --exclude='./build*' -cf - . | tar -xf - -C "$tree"
fi
# The source package carries the files' modes: the same whatever the umask of the
# checkout (git writes 664 under umask 002), as git keeps them, so that two builds of
# one commit give the same source package.
chmod -R u+rwX,go=rX "$tree"
log="$out/ortelana_${version}_build.log"
# On failure, the lines around the first error: CMake's, the compiler's, or else the
# debhelper step that failed (the failed tests are listed before it).  The end of the
# log is often what comes after, such as the CMake cache.
failed() {
    local first
    first=$(grep -n -m 1 -E 'CMake Error|^[^ :]+:[0-9]+:[0-9]+: (fatal )?error:|^dh_[a-z_]+: error|^dpkg-[a-z]+: error' "$log" \
            | cut -d: -f1)
    if [ -n "$first" ]; then
        sed -n "$((first > 40 ? first - 40 : 1)),$((first + 20))p" "$log"
    else
        tail -n 60 "$log"
    fi
    echo "whole log: $log"
    exit 1
}
(cd "$tree" && dpkg-buildpackage -us -uc "$@") >"$log" 2>&1 || failed
for result in "$work"/ortelana*_"$version"*; do
    [ -f "$result" ] && cp "$result" "$out/" && echo "$out/$(basename "$result")"
done
