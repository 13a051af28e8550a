#!/usr/bin/env bash
# Redraws the README's pictures from the real program: starts it under Xvfb, types
# the year 2005 and Enter as a user would, captures the main window, opens the week
# numbers window with F4 and captures that too.  Needs the Debian packages xvfb,
# xdotool and imagemagick, and a built program (make build):
#
#     scripts/screenshots.sh [PROGRAM] [FOLDER]
#
# PROGRAM defaults to build/ortelana, FOLDER to docs/.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
# On a private Xvfb from the tests' session launcher, which ends it with this script.
if [ -z "${ORTELANA_SCREENSHOT_SESSION:-}" ]; then
    ORTELANA_SCREENSHOT_SESSION=1 exec "$here/tests/session/ortelana-session" --x11 --screen 1024x768x24 -- "$0" "$@"
fi
program=$(readlink -f "${1:-$here/build/ortelana}")
folder=${2:-$here/docs}
mkdir -p "$folder"
for tool in xdotool import; do
    command -v "$tool" >/dev/null || { echo "screenshots.sh: $tool is missing (apt-get install xdotool imagemagick)"; exit 1; }
done
[ -x "$program" ] || { echo "screenshots.sh: no program at $program (run make build)"; exit 1; }
unset QT_QPA_PLATFORM QT_SCALE_FACTOR

pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true' EXIT

# Waits for a window with this exact title and prints its id.
window_named() {
    for _ in $(seq 1 40); do
        if id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1) && [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.25
    done
    echo "screenshots.sh: no window \"$1\" appeared" >&2
    return 1
}

# The program reads the help document from beside itself, so start it from there.
(cd "$(dirname "$program")" && exec "$program") &
pids+=($!)
main=$(window_named "Ортелана")
xdotool windowfocus --sync "$main"
sleep 0.5

# Empty the year box with the keyboard, then type the year.
xdotool key --window "$main" --delay 20 End $(printf 'BackSpace %.0s' $(seq 1 8))
xdotool type --window "$main" --delay 40 "2005"
xdotool key --window "$main" Return
sleep 0.7
import -window "$main" "$folder/screenshot-main.png"
echo "wrote $folder/screenshot-main.png"

xdotool key --window "$main" F4
weeks=$(window_named "Номера недель")
sleep 0.7
import -window "$weeks" "$folder/screenshot-weeks.png"
echo "wrote $folder/screenshot-weeks.png"
xdotool windowfocus --sync "$weeks" key Escape
