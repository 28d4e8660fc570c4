#!/bin/sh
# The command line, answered without a display: --version, --help (also German), errors, --render.
# Usage: command_line_check.sh PROGRAM VERSION
set -u
program=$1 version=$2
fail() { echo "FAIL: $*" >&2; exit 1; }
run() { env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u LANGUAGE LC_ALL=C.UTF-8 DISPLAY=:nowhere "$program" "$@"; }
dir=$(mktemp -d) && trap 'rm -rf "$dir"' EXIT
export XDG_RUNTIME_DIR=$dir

out=$(run --version 2>/dev/null); rc=$?
[ $rc -eq 0 ] || fail "--version exits $rc"
[ "$out" = "Curvanta $version" ] || fail "--version prints '$out'"

out=$(run --help 2>/dev/null); rc=$?
[ $rc -eq 0 ] || fail "--help exits $rc"
echo "$out" | grep -q -- "--screen WxH" || fail "--help prints '$out'"
de=$(LC_ALL= LANGUAGE=de LANG=de_DE.UTF-8 "$program" --help) && [ "$de" != "$out" ] || fail "German: $de"
[ "$(run -h 2>/dev/null)" = "$out" ] || fail "-h does not print the help"

# Each error exits with its code, writes one line naming the cause, and no file; an old one stays.
expect() { # CODE TEXT ARGUMENTS...
    code=$1 text=$2; shift 2
    echo earlier >"$dir/old.png"
    for file in "$dir/new.png" "$dir/old.png"; do
        err=$(run --render "$file" "$@" 2>&1 >/dev/null); rc=$?
        [ $rc -eq "$code" ] && [ "$(echo "$err" | wc -l)" -eq 1 ] && [ ! -e "$dir/new.png" ] \
            && [ "$(cat "$dir/old.png")" = earlier ] && echo "$err" | grep -qF -- "$text" \
            || fail "$* exits $rc, writes '$err'"
    done
}
expect 2 '"--frobnicate"' --function 2 --frobnicate
expect 2 '--lower "5"' --function 2 --lower 5
expect 2 '--function "12"' --function 12
expect 2 '--b needs' --function 2 --b
expect 1 'Type mismatch: The box "a="' --function "bsin(ax)" --a x
expect 1 "Overflow" --function "a(e^bx)" --b 99

out=$(run --render "$dir/no/p.png" --function 2 2>&1)
[ "$out" = "curvanta: File error: The plot could not be saved to \"$dir/no/p.png\": No such file or directory." ] || fail "$out"
run --render "$dir/old.png" --function 2 --upper 0 --screen 800x600 || fail "--render fails"
[ "$(head -c 4 "$dir/old.png" | tail -c 3)" = PNG ] || fail "--render wrote no PNG"
echo "command line answered as expected"
