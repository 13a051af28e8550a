# The counting `check` both package tests use: runs a command, says ok or FAILED,
# and `finish` ends the script with the tally.  Sourced, not run.
checks=0
failures=0
check() { checks=$((checks + 1)); if "$@"; then echo "ok: $*"; else echo "FAILED: $*"; failures=$((failures + 1)); fi; }
finish() { echo "$checks checks, $failures failed"; test "$failures" -eq 0; }
