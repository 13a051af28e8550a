#!/bin/sh
# The Windows installer under Wine, in a copy of the template prefix: installed
# silently (/S) for the one user, the installed program started (it draws a year into
# a PNG), uninstalled silently, and nothing of it left behind: no program folder, no
# Start menu entry, no uninstall key, and no file under drive_c that was not there.
#     tests/win32/tst_installer.sh TEMPLATE_FOLDER SETUP.exe
set -u
template=$1
setup=$2
[ -f "$setup" ] || { echo "SKIP: $setup is not built (make windows)"; exit 77; }
[ -f "$template/ready" ] || { echo "SKIP: no template prefix in $template"; exit 77; }
. "$(dirname "$0")/../../scripts/wine-env.sh"

home=$(mktemp -d)
trap 'WINEPREFIX="$home/prefix" timeout 20 wineserver -k 2>/dev/null; rm -rf "$home"' EXIT
wine_copy "$template" "$home" || exit 1
wine_environment "$home"
unset DISPLAY   # the installer and the export need no screen: silent, off screen

passed=0 failed=0
check() {   # check DESCRIPTION COMMAND...
    what=$1; shift
    if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAIL: $what"; fi
}
files() { (cd "$WINEPREFIX/drive_c" && find . -path ./windows -prune -o -path '*/Temp' -prune -o -print | sort); }
user_key() { grep -q 'Uninstall\\\\Ortelana\]' "$WINEPREFIX/user.reg"; }

timeout 60 wineserver -w
files >"$home/before"
timeout 120 wine "$(winepath -w "$setup" 2>/dev/null)" /S
check "the installer ends with status 0" [ $? -eq 0 ]
timeout 60 wineserver -w

folder=$(find "$WINEPREFIX/drive_c/users" -type d -path '*/AppData/Local/Programs/Ortelana' | head -n 1)
check "installed into the user's programs folder" [ -n "$folder" ]
for name in ortelana.exe Справка.html LICENSE uninstall.exe; do
    check "installed: $name" [ -f "$folder/$name" ]
done
check "a Start menu entry «Ортелана»" [ -n "$(find "$WINEPREFIX/drive_c/users" -name 'Ортелана.lnk' -path '*Start Menu/Programs*')" ]
check "an uninstall entry for the user" user_key

out=$home/out.png
timeout 120 wine "$(winepath -w "$folder/ortelana.exe")" --export "$(winepath -w "$out")" --year 2005
check "the installed program runs (export, status 0)" [ $? -eq 0 ]
check "the installed program drew a PNG" sh -c "head -c 8 '$out' | od -An -c | grep -q 'P   N   G'"
rm -f "$out"

timeout 120 wine "$(winepath -w "$folder/uninstall.exe")" /S
timeout 60 wineserver -w   # the uninstaller runs on from a copy of itself
check "the program folder is gone" [ ! -e "$folder" ]
check "the Start menu entry is gone" [ -z "$(find "$WINEPREFIX/drive_c/users" -name 'Ортелана.lnk')" ]
check "the uninstall entry is gone" sh -c "! grep -q 'Uninstall\\\\\\\\\\\\\\\\Ortelana\\]' '$WINEPREFIX/user.reg'"
files >"$home/after"
check "nothing left behind under drive_c" diff "$home/before" "$home/after"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
