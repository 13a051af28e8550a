#!/usr/bin/env bash
# Builds one commit twice, in two clones at paths of different lengths, the second
# with another time zone and umask, and compares what each build ships byte for byte:
# ortelana.exe, the zip, the installer and the winget manifests (configured as
# `make windows` does, target windows-package), and the Debian source and binary
# packages (scripts/build_deb.sh, as `make package`, without the suite, which changes
# no byte of them).  Prints the SHA-256 of each file; status 1 when any differs.
#
#     scripts/check_reproducible.sh [COMMIT]      (default HEAD; committed work only)
#
# Needs the packages of `make windows` and `make package`; takes some ten minutes on
# two cores.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
commit=$(git -C "$source_dir" rev-parse --verify "${1:-HEAD}^{commit}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
jobs=$(nproc 2>/dev/null || echo 2)

build() {   # build FOLDER: clones the commit into FOLDER and builds there
    local tree=$1/ortelana
    git clone -q --no-checkout "$source_dir" "$tree"
    git -C "$tree" checkout -q --detach "$commit"
    (
        cd "$tree"
        cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release \
              -DBUILD_TESTING=ON -DORTELANA_WERROR=ON >/dev/null
        cmake --build build-windows -j "$jobs" --target windows-package >/dev/null
        DEB_BUILD_OPTIONS="nocheck parallel=$jobs" scripts/build_deb.sh build -Pnocheck >/dev/null
    ) || { echo "the build in $tree failed" >&2; exit 1; }
    # What is shipped, by names that are the same in both trees.
    (cd "$tree" && sha256sum build-windows/ortelana.exe build-windows/ortelana-*-windows.zip \
        build-windows/ortelana-*-windows-setup.exe build-windows/winget/*.yaml \
        build/*.deb build/*.dsc build/*.tar.xz) >"$1.sums"
}

echo "commit $commit"
build "$work/one"
(umask 0002 && TZ=Asia/Vladivostok build "$work/second-clone-with-a-longer-path")
cat "$work/one.sums"
if diff -u "$work/one.sums" "$work/second-clone-with-a-longer-path.sums"; then
    echo "the two builds are byte for byte the same"
else
    trap - EXIT
    echo "the two builds differ (above: - the first, + the second); both are kept in $work" >&2
    exit 1
fi
