#!/bin/sh
# Checks helpcheck from outside: the shipped help file passes; a copy that
# lost a topic the program uses, or that links to no topic, fails with the
# fault named.
#   helpcheck_test.sh PATH-TO-HELPCHECK
set -u
HELPCHECK=${1:?usage: helpcheck_test.sh PATH-TO-HELPCHECK}
HELP=$(dirname "$0")/../../help/LUM.HLP
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
FAILED=0

# expect STATUS MESSAGE-PATTERN FILE
expect() {
    "$HELPCHECK" "$3" 2>"$WORK/err"
    status=$?
    if [ "$status" -ne "$1" ] || { [ -n "$2" ] && ! grep -q "$2" "$WORK/err"; }; then
        echo "FAIL: $3 gave status $status, expected $1 with \"$2\":"
        cat "$WORK/err"
        FAILED=1
    fi
}

expect 0 '' "$HELP"

# The print topic (25) removed: its links and the topic are gone.
sed 's/^@topic print 25 /@topic print - /' "$HELP" >"$WORK/no-print.hlp"
expect 1 'no topic has context number 25' "$WORK/no-print.hlp"

printf '@topic a 2 A\nSee {nowhere}.\n' >"$WORK/bad-link.hlp"
expect 1 'bad-link.hlp:2: a link to no topic' "$WORK/bad-link.hlp"

expect 2 'cannot be read' "$WORK/absent.hlp"
exit $FAILED
