# Shared by scripts/wine-run and scripts/wine-test-run (sourced, not run): a private
# Wine prefix made ready for the program, and the environment it runs in.
#
#   wine_prepare PREFIX   makes PREFIX once (wineboot, fonts, Russian locale); later
#                         calls find it ready, unless it was made by an older
#                         version of this file.  Safe to call from parallel runs.
#   wine_environment PREFIX   exports what every run needs.
#   wine_desktop PREFIX STATE sets Wine's virtual desktop ("on WxH" or "off") when the
#                         prefix has another; needs wine_environment first.
#
# What each step is for:
#  - Debian's Wine finds its own fonts only inside the prefix's windows\Fonts;
#    without them every face falls back to another, MS Sans Serif included.
#  - A Russian locale (made with localedef into a private folder, so nothing is
#    installed system-wide) gives Wine the code page 1251 and the Cyrillic bitmap
#    MS Sans Serif.
#  - Times New Roman, which the banner asks for, is not among Wine's fonts: it is
#    mapped (FontSubstitutes, as on Windows) to Liberation Serif, Debian's face of
#    the same widths, found through fontconfig.  MS Sans Serif is Wine's own.
#  - mscoree and mshtml are left out (no .NET or Gecko installers asked for), and
#    winemenubuilder is kept from writing menu entries into the home folder.
#  - The user's folders (Documents, Desktop...) are folders of the prefix, not
#    Wine's links to the home folder, so that what a run writes there stays inside.

# Written into PREFIX/ready; a prefix made by an older version of the steps is made
# again.
wine_prefix_version=2

wine_root=$(cd "$(dirname "$0")/.." && pwd)

wine_locale_dir() { echo "$1/locale"; }

wine_environment()
{
    export WINEPREFIX="$1/prefix"
    export WINEARCH=win64
    export WINEDEBUG=${WINEDEBUG:--all}
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    # Debian's Wine 10 in sid keeps wineserver beside its libraries only.
    if ! command -v wineserver >/dev/null 2>&1; then
        for dir in /usr/lib/wine /usr/lib/x86_64-linux-gnu/wine /usr/lib64/wine; do
            [ -x "$dir/wineserver" ] && { export PATH="$PATH:$dir"; break; }
        done
    fi
    export LOCPATH
    LOCPATH=$(wine_locale_dir "$1")
    export LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8
    unset LANGUAGE
}

wine_prepare()
{
    mkdir -p "$1" || return 1
    (
        # One maker at a time; the others wait and then find it made.
        flock -w 300 9 || { echo "wine: the prefix $1 stays locked" >&2; exit 1; }
        [ "$(cat "$1/ready" 2>/dev/null)" = "$wine_prefix_version" ] && exit 0
        rm -rf "$1/prefix" "$1/locale" "$1/desktop"
        locale_dir=$(wine_locale_dir "$1")
        mkdir -p "$locale_dir"
        localedef -i ru_RU -f UTF-8 "$locale_dir/ru_RU.UTF-8" >/dev/null 2>&1 \
            || { echo "wine: localedef could not make ru_RU.UTF-8 (package locales)" >&2; exit 1; }
        wine_environment "$1"
        DISPLAY= timeout 180 wineboot --init >/dev/null 2>&1 \
            || { echo "wine: wineboot --init failed in $WINEPREFIX" >&2; exit 1; }
        # Without mshtml nothing registers .html, so the shell would not know it;
        # a page then goes to winebrowser, which hands it to the host's xdg-open.
        for extension in .html .htm; do
            DISPLAY= timeout 60 wine reg add "HKCR\\$extension" /ve /d htmlfile /f >/dev/null 2>&1 \
                || { echo "wine: could not register $extension" >&2; exit 1; }
        done
        DISPLAY= timeout 60 wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
            /v 'Times New Roman' /d 'Liberation Serif' /f >/dev/null 2>&1 \
            || { echo "wine: could not map Times New Roman" >&2; exit 1; }
        timeout 60 wineserver -w
        cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" || exit 1
        find "$WINEPREFIX/drive_c/users" -mindepth 2 -maxdepth 2 -type l \
            -exec sh -c 'for link; do rm "$link" && mkdir "$link"; done' sh {} + || exit 1
        echo "$wine_prefix_version" >"$1/ready"
    ) 9>"$1.lock"
}

# The virtual desktop is named after the program, so that its window on the X display
# («Ортелана - Wine desktop») says whose it is.
wine_desktop()
{
    [ "$(cat "$1/desktop" 2>/dev/null)" = "$2" ] && return 0
    case $2 in
        on\ *)
            wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Ортелана /d "${2#on }" /f >/dev/null 2>&1 &&
            wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Ортелана /f >/dev/null 2>&1 || return 1 ;;
        *)
            wine reg delete 'HKCU\Software\Wine\Explorer' /v Desktop /f >/dev/null 2>&1 ;;
    esac
    echo "$2" >"$1/desktop"
}

# Copies a ready prefix folder (template) to another, as the tests do for each run.
wine_copy()
{
    rm -rf "$2" && mkdir -p "$2" && cp -a "$1/prefix" "$1/locale" "$1/ready" "$2/"
}
