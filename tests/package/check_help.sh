#!/usr/bin/env bash
# Reads the help document as a proofreader would: a non-breaking space before every
# dash, «ёлочки» instead of straight quotes in the text, and the OK buttons quoted as
# the windows write them.  Usage: check_help.sh SOURCE_DIR
set -euo pipefail
source_dir=$1
help="$source_dir/resources/Справка.html"
. "$(dirname "$0")/checks.sh"

check iconv -f UTF-8 -t UTF-8 -o /dev/null "$help"

# The text a reader sees: tags dropped, and with them the style sheet, code and
# preformatted examples, where straight quotes may belong.
text=$(perl -CSD -0777 -pe 's{<(style|pre|code)\b.*?</\1>}{}gs; s{<[^>]*>}{}g; s{&nbsp;}{\x{a0}}g' "$help")
# A space or a line break before a dash lets the line break there; a browser shows a
# line break in the source as an ordinary space.
plain_dashes() { ! perl -CSD -0777 -ne 'print "$1 \x{2014}\n" while /(\S{0,20})[ \t\r\n]+\x{2014}/g' <<<"$text" | grep .; }
check plain_dashes
straight_quotes() { ! grep -n -e '"' -e '&quot;' <<<"$text"; }
check straight_quotes

# Every «OK» the document names is a button caption the windows really show, in the
# same letters (Latin OK and Cyrillic ОК look alike but differ).
captions=$(grep -rhoP 'QPushButton\(QStringLiteral\("\K[^"]*' "$source_dir/src" | sort -u)
quoted_as_shown() {
    local named
    named=$(grep -oP '«\K[OО][KК](?=»)' "$help" | sort -u)
    [ -n "$named" ] || return 1
    while read -r caption; do
        grep -qxF -- "$caption" <<<"$captions" || { echo "«$caption» is no button caption"; return 1; }
    done <<<"$named"
}
check quoted_as_shown

finish
