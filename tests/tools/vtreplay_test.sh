#!/bin/sh
# Checks vtreplay end to end: the output format, the emulator cases it must
# reproduce, the block feeding, the replies on standard error and the
# handling of bad command lines.
#   vtreplay_test.sh PATH-TO-VTREPLAY
set -u
VTREPLAY=${1:?usage: vtreplay_test.sh PATH-TO-VTREPLAY}
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
FAILED=0

fail() {
    echo "FAIL: $1"
    FAILED=1
}

# same NAME EXPECTED-FILE ACTUAL-FILE
same() {
    if ! diff -u "$2" "$3" >"$WORK/diff"; then
        fail "$1"
        cat "$WORK/diff"
    fi
}

# replay INPUT-PRINTF-FORMAT OPTIONS...: stdout to $WORK/out, stderr to
# $WORK/err, exit status to $STATUS.
replay() {
    input=$1
    shift
    printf "$input" >"$WORK/in"
    "$VTREPLAY" "$@" "$WORK/in" >"$WORK/out" 2>"$WORK/err"
    STATUS=$?
}

# n_lines COUNT: COUNT empty lines.
n_lines() {
    i=0
    while [ "$i" -lt "$1" ]; do
        echo
        i=$((i + 1))
    done
}

test_autowrap_moves_81st_character_to_next_row() {
    replay "$(printf '%080d' 0 | tr 0 a)X" --autowrap
    {
        echo '--- screen ---'
        printf '%080d\n' 0 | tr 0 a
        echo X
        n_lines 22
        echo '--- cursor 1 1 ---'
    } >"$WORK/want"
    same "80 characters then X with autowrap" "$WORK/want" "$WORK/out"
    [ "$STATUS" -eq 0 ] || fail "autowrap case exit status $STATUS"

    replay "$(printf '%080d' 0 | tr 0 a)X"
    head -2 "$WORK/out" | tail -1 | grep -qx "$(printf '%079d' 0 | tr 0 a)X" ||
        fail "without autowrap the 81st character overwrites the last column"
}

# A cursor waiting to wrap moves back from the last column, as a DEC
# terminal's does: BS or CUB then "Z" lands one column left of the last.
test_backspace_from_a_full_line_stands_on_the_last_column() {
    for name in BS CUB; do
        back='\b'
        [ "$name" = CUB ] && back='\033[D'
        replay "$(printf '%080d' 0 | tr 0 c)${back}Z" --autowrap
        {
            echo '--- screen ---'
            echo "$(printf '%078d' 0 | tr 0 c)Zc"
            n_lines 23
            echo '--- cursor 0 79 ---'
        } >"$WORK/want"
        same "80 characters, $name and Z" "$WORK/want" "$WORK/out"
    done
}

test_erase_screen_moves_used_rows_into_scrollback() {
    replay 'one\r\ntwo\r\n\r\n\r\n\r\nsix\033[2J' --lines 8
    {
        printf 'one\ntwo\n\n\n\nsix\n'
        echo '--- screen ---'
        n_lines 8
        echo '--- cursor 5 3 ---'
    } >"$WORK/want"
    same "ED 2 with text down to row 5" "$WORK/want" "$WORK/out"

    replay '\033[2J' --lines 8
    [ "$(head -1 "$WORK/out")" = '--- screen ---' ] || fail "ED 2 of a blank screen stored lines"
}

test_special_graphics_draw_box_corners_and_lines() {
    replay '\033(0lqqk\r\n\033(Bq\016lqqk\017q' --lines 3
    {
        echo '--- screen ---'
        echo '+--+'
        echo 'q+--+q'
        echo
        echo '--- cursor 1 6 ---'
    } >"$WORK/want"
    same "DEC special graphics through G0 and SO" "$WORK/want" "$WORK/out"
}

test_cursor_report_counts_from_top_margin_in_origin_mode() {
    replay '\033[5;10r\033[?6h\033[H\033[6n'
    [ "$(cat "$WORK/err")" = '\e[1;1R' ] || fail "CPR in origin mode: $(cat "$WORK/err")"
    grep -qx -- '--- cursor 4 0 ---' "$WORK/out" || fail "origin-mode home is not the top margin"

    replay '\033[?6l\033[3;7H\033[6n\033[c' --emulation vt200
    printf '%s\n' '\e[3;7R' '\e[?62;1;2;9c' >"$WORK/want"
    same "one reply per line, in order" "$WORK/want" "$WORK/err"
}

test_sequence_split_between_blocks_acts_whole() {
    # 1,022 characters put ESC [ at the end of the first 1,024-byte block.
    replay "$(printf '%01022d' 0 | tr 0 b)\033[2J" --autowrap
    [ "$(grep -c '^b*$' "$WORK/out")" -ge 13 ] || fail "split ED 2 lost the text"
    grep -q '\[2J' "$WORK/out" && fail "split ED 2 was shown as text"
    sed -n '/--- screen ---/,$p' "$WORK/out" | grep -q b && fail "split ED 2 did not blank the screen"
}

test_attributes_and_sizes() {
    replay '\033[1;7mAB\033[4mC\033[0m\tD' --columns 10 --lines 3 --attrs
    {
        echo '--- screen ---'
        echo 'ABC     D'
        n_lines 2
        echo '--- cursor 0 9 ---'
        echo '--- attrs ---'
        echo '09 09 0b 00 00 00 00 00 00 00'
        echo '00 00 00 00 00 00 00 00 00 00'
        echo '00 00 00 00 00 00 00 00 00 00'
    } >"$WORK/want"
    same "attributes of the logical columns" "$WORK/want" "$WORK/out"
}

test_options_choose_the_terminal() {
    replay '[\\]{|}\033[2J' --lines 3
    head -1 "$WORK/out" | tr -d '\n' | od -An -tu1 | tr -s ' ' | grep -q ' 196 214 197 228 246 229$' ||
        fail "default national set is not Finnish"
    replay 'a\nb' --newline --lines 3
    sed -n 2,3p "$WORK/out" | tr '\n' , | grep -qx 'a,b,' || fail "--newline: LF did not return"
    replay '\033[2J' --emulation tty --national 0 --lines 3
    sed -n 2p "$WORK/out" | grep -qx '\[2J' || fail "tty shows ESC [ 2 J as text"
    replay '\033(<A' --multinational --lines 3 --national 0
    sed -n 2p "$WORK/out" | od -An -tu1 | grep -qw 193 || fail "--multinational: G0 supplemental"
    printf 'from stdin' | "$VTREPLAY" --lines 3 - | sed -n 2p | grep -qx 'from stdin' ||
        fail "- reads standard input"
    printf 'no file' | "$VTREPLAY" --lines 3 | sed -n 2p | grep -qx 'no file' ||
        fail "no file reads standard input"
}

# bad ARGS...: exit status 2, a message on stderr, nothing on stdout.
bad() {
    "$VTREPLAY" "$@" </dev/null >"$WORK/out" 2>"$WORK/err"
    status=$?
    [ "$status" -eq 2 ] || fail "\"$*\" exit status $status"
    [ -s "$WORK/err" ] || fail "\"$*\" gave no message"
    [ -s "$WORK/out" ] && fail "\"$*\" wrote a result"
}

test_bad_command_lines_exit_2() {
    bad --columns 2
    bad --columns 133
    bad --lines 61
    bad --lines x
    bad --lines 24x
    bad --national 4
    bad --emulation vt52
    bad --columns
    bad --frobnicate
    bad a b
    "$VTREPLAY" "$WORK/missing" >"$WORK/out" 2>"$WORK/err"
    [ $? -eq 1 ] && grep -q missing "$WORK/err" || fail "a missing file is not reported"
}

for t in $(sed -n 's/^\(test_[a-z0-9_]*\)().*/\1/p' "$0"); do
    $t
done
[ "$FAILED" -eq 0 ] && echo "vtreplay tests passed"
exit "$FAILED"
