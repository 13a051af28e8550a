#!/bin/sh
# Makes the Wine prefix the Windows tests copy, once per run of the suite (a CTest
# fixture): a fresh prefix with Wine's fonts, the Russian locale, and Wine's virtual
# desktop on at 1024 × 768, the size of the tests' Xvfb screens.
#     tests/win32/wine_template.sh FOLDER
set -eu
folder=$1
rm -rf "$folder" "$folder.lock"
. "$(dirname "$0")/../../scripts/wine-env.sh"
wine_prepare "$folder"
wine_environment "$folder"
unset DISPLAY
wine_desktop "$folder" "on 1024x768"
timeout 60 wineserver -w
echo "Wine template prefix ready in $folder"
