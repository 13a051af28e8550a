#!/bin/sh
# The Windows installer under Wine, in a copy of the template prefix, on the private
# Xvfb of its session (tests/session/ortelana-session --x11 --screen 1024x768x24
# --opener):
#  - its first page and the uninstaller's, read out as a screen reader reads them
#    (msaa_listener.exe --texts), name the program in its case («Установка
#    Ортеланы»); the installer is then cancelled;
#  - installed silently (/S), as winget installs it: the files, the Start menu
#    entry, the uninstall key;
#  - the Start menu entry starts the program in the user's documents: an export to
#    a bare file name lands there;
#  - the program started in its own folder writes the About link's page there (a
#    real click on the link);
#  - uninstalled through its pages: no program folder, no Start menu entry, no
#    uninstall key, and no file under drive_c that was not there.
#     tests/win32/tst_installer.sh TEMPLATE_FOLDER SETUP.exe LISTENER.exe
set -u
template=$1
setup=$2
listener=$3
[ -f "$setup" ] || { echo "SKIP: $setup is not built (make windows)"; exit 77; }
[ -f "$template/ready" ] || { echo "SKIP: no template prefix in $template"; exit 77; }
[ -n "${DISPLAY:-}" ] && [ -n "${ORTELANA_OPENED:-}" ] \
    || { echo "SKIP: run in a session with --x11 --opener (tests/session/ortelana-session)"; exit 77; }
. "$(dirname "$0")/../../scripts/wine-env.sh"

home=$(mktemp -d)
trap 'WINEPREFIX="$home/prefix" timeout 20 wineserver -k 2>/dev/null; rm -rf "$home"' EXIT
wine_copy "$template" "$home" || exit 1
wine_environment "$home"
wine_desktop "$home" "on 1024x768" || exit 1

passed=0 failed=0
check() {   # check DESCRIPTION COMMAND...
    what=$1; shift
    if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAIL: $what"; fi
}
files() { (cd "$WINEPREFIX/drive_c" && find . -path ./windows -prune -o -path '*/Temp' -prune -o -print | sort); }
user_key() { grep -q 'Uninstall\\\\Ortelana\]' "$WINEPREFIX/user.reg"; }
# Waits (60 s at most) for a window titled exactly $1.
window() { timeout 60 xdotool search --sync --name "^$1\$" >/dev/null; }
# What a screen reader reads out of the window titled $1, into the file $2.
texts() { window "$1" && timeout 60 wine "$listener" --texts "$1" >"$2" && cat "$2"; }
# Every text names the program in its case: none has it in the nominative after a
# word that governs another case, as NSIS's own Russian texts put it.
declined() {
    ! grep -E '(Установка|Удаление|установки|удаления|установкой|удалением|установит|удалит|Программа) Ортелана' "$1"
}
# shellcheck disable=SC2046 # one word per key
keys() { xdotool key --delay 80 $(python3 "$(dirname "$0")/../session/xkeys.py" "$@"); sleep 0.5; }

timeout 60 wineserver -w
files >"$home/before"

# The installer's first page, then Esc: nothing is installed.
wine "$(winepath -w "$setup" 2>/dev/null)" &
installer=$!
check "the installer's page, read out" texts 'Установка Ортеланы: Папка установки' "$home/setup-texts"
check "the installer says where Ортелана goes" grep -q '^Ортелана будет установлена в эту папку' "$home/setup-texts"
check "the installer declines the name" declined "$home/setup-texts"
keys Escape
timeout 60 sh -c "while kill -0 $installer 2>/dev/null; do sleep 0.2; done"
check "Esc leaves the installer" [ $? -eq 0 ]

timeout 120 wine "$(winepath -w "$setup" 2>/dev/null)" /S
check "the silent install ends with status 0" [ $? -eq 0 ]
timeout 60 wineserver -w

folder=$(find "$WINEPREFIX/drive_c/users" -type d -path '*/AppData/Local/Programs/Ortelana' | head -n 1)
check "installed into the user's programs folder" [ -n "$folder" ]
for name in ortelana.exe Справка.html LICENSE uninstall.exe; do
    check "installed: $name" [ -f "$folder/$name" ]
done
shortcut=$(find "$WINEPREFIX/drive_c/users" -name 'Ортелана.lnk' -path '*Start Menu/Programs*')
check "a Start menu entry «Ортелана»" [ -n "$shortcut" ]
check "an uninstall entry for the user" user_key

# Started from the Start menu entry, the program's current directory is the user's
# documents: a bare file name is written there.
documents=$(find "$WINEPREFIX/drive_c/users" -mindepth 2 -maxdepth 2 -type d -name Documents | head -n 1)
timeout 120 wine start "$(winepath -w "$shortcut")" --export started.png --year 2005
timeout 60 wineserver -w
check "the entry starts the program in the documents folder" \
    sh -c "head -c 8 '$documents/started.png' | od -An -c | grep -q 'P   N   G'"
check "nothing written into the program's folder" [ ! -e "$folder/started.png" ]
rm -f "$documents/started.png"

# Started in its own folder (as from the folder itself), the About window's link
# writes its page there: the uninstaller must take it too.
(cd "$folder" && exec wine ortelana.exe) &
program=$!
check "the main window «Ортелана»" window 'Ортелана'
sleep 1
keys F10 Down Down Down Return
if window 'О программе'; then
    # The link stands at (152, 56) of the window's client area, which the
    # listener's first line places on the screen.
    at=$(timeout 60 wine "$listener" --list 'О программе' | head -n 1 | cut -f 6)
    xdotool mousemove "$((${at%%,*} + 172))" "$(($(echo "$at" | cut -d, -f2) + 66))" click 1
    timeout 30 sh -c "until [ -f '$folder/0.html' ] && [ -s '$ORTELANA_OPENED' ]; do sleep 0.2; done"
fi
check "the link wrote 0.html in the program's folder" [ -f "$folder/0.html" ]
check "and asked the shell to open it" grep -q 'Ortelana/0\.html' "$ORTELANA_OPENED"
keys Escape F10 Down Up Return
timeout 30 sh -c "while kill -0 $program 2>/dev/null; do sleep 0.2; done" || kill "$program"
timeout 60 wineserver -w

# The uninstaller's page, then Enter to remove, Enter to close.
wine "$(winepath -w "$folder/uninstall.exe")" &
check "the uninstaller's page, read out" texts 'Удаление Ортеланы: Подтверждение' "$home/uninstall-texts"
check "the uninstaller says what goes" grep -q '^Ортелана будет удалена с этого компьютера' "$home/uninstall-texts"
check "the uninstaller declines the name" declined "$home/uninstall-texts"
keys Return
check "the uninstaller's last page" window 'Удаление Ортеланы: Операция завершена'
keys Return
timeout 60 wineserver -w   # the uninstaller runs on from a copy of itself
check "the program folder is gone" [ ! -e "$folder" ]
check "the Start menu entry is gone" [ -z "$(find "$WINEPREFIX/drive_c/users" -name 'Ортелана.lnk')" ]
check "the uninstall entry is gone" sh -c "! grep -q 'Uninstall\\\\\\\\\\\\\\\\Ortelana\\]' '$WINEPREFIX/user.reg'"
files >"$home/after"
check "nothing left behind under drive_c" diff "$home/before" "$home/after"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
