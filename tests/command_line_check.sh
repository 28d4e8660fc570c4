#!/bin/sh
# The command line, answered without a display: --version, --help, usage errors and --render.
# Usage: command_line_check.sh PROGRAM
set -u
program=$1
fail() { echo "FAIL: $*" >&2; exit 1; }
run() { env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:nowhere "$program" "$@"; }
dir=$(mktemp -d) && trap 'rm -rf "$dir"' EXIT
export XDG_RUNTIME_DIR=$dir

out=$(run --version 2>/dev/null); rc=$?
[ $rc -eq 0 ] || fail "--version exits $rc"
[ "$out" = "Curvanta 1.00" ] || fail "--version prints '$out'"

out=$(run --help 2>/dev/null); rc=$?
[ $rc -eq 0 ] || fail "--help exits $rc"
for option in --render --function --a --lower --upper --screen; do
    echo "$out" | grep -q -- "^ *$option " || fail "--help does not list $option"
done

# Each failure exits with its code, names what went wrong, writes no file and keeps an old one.
expect() { # CODE WORDS... -- ARGUMENTS...
    code=$1; shift; words=""
    while [ "$1" != -- ]; do words="$words $1"; shift; done; shift
    for file in "$dir/new.png" "$dir/old.png"; do
        echo earlier >"$dir/old.png"
        err=$(run --render "$file" "$@" 2>&1 >/dev/null); rc=$?
        [ $rc -eq "$code" ] || fail "$* exits $rc, not $code"
        [ "$(echo "$err" | wc -l)" -eq 1 ] || fail "$* writes '$err'"
        for w in $words; do echo "$err" | grep -qF -- "$w" || fail "$* writes '$err', not '$w'"; done
        [ ! -e "$dir/new.png" ] || fail "$* wrote a file"
        [ "$(cat "$dir/old.png")" = earlier ] || fail "$* changed an existing file"
    done
}
expect 2 --frobnicate -- --function 2 --frobnicate
expect 2 --lower 5 -- --function 2 --lower 5
expect 2 --lower -31 -- --function 2 --lower -31
expect 2 --upper 31 -- --function 2 --upper 31
expect 2 --upper -1 -- --function 2 --upper -1
expect 2 --lower 1.5 -- --function 2 --lower 1.5
expect 2 --function 12 -- --function 12
expect 2 --function "sin" -- --function sin
expect 2 --b -- --function 2 --b
expect 2 --screen 1024 -- --function 2 --screen 1024
expect 2 --function -- --a 2
expect 1 "Type mismatch" '"a="' -- --function 2 --a x
expect 1 "Type mismatch" '"d="' -- --function 2 --d ""
expect 1 Overflow -- --function "a(e^bx)" --b 99

run --render "$dir/old.png" --function "bsin(ax)" --upper 0 --screen 800x600 || fail "render fails"
[ "$(head -c 4 "$dir/old.png" | tail -c 3)" = PNG ] || fail "render wrote no PNG"
run --frobnicate 2>/dev/null; [ $? -eq 2 ] || fail "an unknown option without --render exits $?"
echo "command line answered as expected"
