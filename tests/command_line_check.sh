#!/bin/sh
# What only the real program shows of its command line: exit codes, the form of its messages, the
# files it writes or leaves alone, its language, and its answer where no display is found.
# Usage: command_line_check.sh PROGRAM VERSION
set -u
program=$1 version=$2
fail() { echo "FAIL: $*" >&2; exit 1; }
bare() { env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u LANGUAGE "$@"; }
run() { bare LC_ALL=C.UTF-8 DISPLAY=:nowhere "$program" "$@"; }
german() { env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u LC_ALL LANGUAGE=de LANG=de_DE.UTF-8 DISPLAY=:nowhere "$program" "$@"; }
dir=$(mktemp -d) && trap 'rm -rf "$dir"' EXIT
export XDG_RUNTIME_DIR=$dir

[ "$(run --version)" = "Curvanta $version" ] || fail "--version: $(run --version 2>&1)"
help=$(run --help 2>&1) && echo "$help" | grep -q '^  11  a(e^bx)$' || fail "--help: $help"
de=$(german --help 2>&1) && [ "$de" != "$help" ] || fail "German --help: $de"
err=$(run --version 2>&1 >/dev/full) && fail "--version on a full disk exits 0: $err"

# A usage error exits 2 before anything is drawn: "curvanta: " and the cause, then the hint; no
# file is written and an earlier one stays.
try="Try 'curvanta --help' for more information."
for case in "Unknown option 'frobnicate'.|--frobnicate" "--a \"1,5\": a number written with a decimal point, such as 1.5, is needed|--a 1,5"; do
    echo earlier >"$dir/old.png"
    for file in "$dir/new.png" "$dir/old.png"; do
        err=$(run --render "$file" --function 2 ${case#*|} 2>&1 >/dev/null); rc=$?
        [ $rc -eq 2 ] && [ "$err" = "curvanta: ${case%%|*}
$try" ] && [ "$(ls "$dir")" = old.png ] && [ "$(cat "$dir/old.png")" = earlier ] \
            || fail "${case#*|} exits $rc, writes '$err', leaves $(ls "$dir")"
    done
done
err=$(german --frobnicate 2>&1); rc=$?
[ $rc -eq 2 ] && [ "$err" = "curvanta: Unbekannte Option 'frobnicate'.
'curvanta --help' gibt weitere Informationen." ] || fail "German --frobnicate: $err"
out=$(bare -u DISPLAY LC_ALL=C.UTF-8 "$program" foo 2>&1); rc=$?
[ $rc -eq 2 ] && [ "$out" = "curvanta: unknown argument \"foo\"
$try" ] || fail "without a display, a stray argument exits $rc: $out"

# A plot or a file that fails exits 1 with one line, and writes nothing.
for case in "Overflow: The number in the box \"b=\", \"1e400\", is too large.|$dir/new.png --b 1e400" \
    "File error: The plot could not be saved to \"$dir/no/p.png\": No such file or directory.|$dir/no/p.png"; do
    err=$(run --function 2 --render ${case#*|} 2>&1); rc=$?
    [ $rc -eq 1 ] && [ "$err" = "curvanta: ${case%%|*}" ] && [ "$(ls "$dir")" = old.png ] \
        || fail "${case#*|} exits $rc: $err"
done

# The format follows the extension, in any case; --scale draws more pixels.
for case in png:89504e JPG:ffd8ff jpeg:ffd8ff bmp:424d svg:3c3f78 pdf:255044 csv:706c6f wav:524946; do
    file=$dir/plot.${case%%:*}
    run --render "$file" --function 2 --upper 0 --screen 320x200 || fail "--render $file fails"
    od -An -tx1 -N3 "$file" | tr -d ' ' | grep -q "^${case#*:}" || fail "$file starts wrong"
done
run --render "$dir/big.png" --function 2 --upper 0 --screen 7680x4320 || fail "the largest screen fails"
size() { od -An -tu4 --endian=big -j16 -N8 "$1" | tr -s ' ' | sed 's/^ //'; } # a PNG's width height
run --render "$dir/s8.png" --function 2 --upper 0 --screen 320x200 --scale 8 || fail "--scale 8 fails"
[ "$(size "$dir/s8.png")" = "$(size "$dir/plot.png" | awk '{print $1 * 8, $2 * 8}')" ] \
    || fail "--scale 8 draws $(size "$dir/s8.png")"

# The same command line draws the same bytes in German: a point is a decimal point.
for format in png csv; do
    run --render "$dir/en.$format" --function 2 --a 1.5 --b 1.5 --lower -12 --upper 12 \
        && german --render "$dir/de.$format" --function 2 --a=1.5 --b 1.5 --lower -12 --upper 12 \
        && cmp -s "$dir/en.$format" "$dir/de.$format" || fail "German and English .$format differ"
done
# Where no runtime directory is named (cron, a service), a render that succeeds prints nothing.
out=$(bare -u XDG_RUNTIME_DIR LC_ALL=C.UTF-8 "$program" --render "$dir/quiet.png" --function 2 2>&1); rc=$?
[ $rc -eq 0 ] && [ -z "$out" ] && [ -s "$dir/quiet.png" ] || fail "a render without XDG_RUNTIME_DIR: exit $rc, '$out'"

# The window without a display: this one line and exit 1, whether none is named, none answers or
# the one chosen is not there.
nodisplay="curvanta: no display found to open the window on; --render FILE draws the plot into a file without one"
for case in "-u DISPLAY" "DISPLAY=:nowhere" "-u DISPLAY QT_QPA_PLATFORM=wayland" "DISPLAY=:nowhere|-platform xcb"; do
    out=$(bare ${case%%|*} LC_ALL=C.UTF-8 "$program" $(echo "$case" | sed -n 's/.*|//p') 2>&1); rc=$?
    [ $rc -eq 1 ] && [ "$out" = "$nodisplay" ] || fail "no display ($case): exit $rc, '$out'"
done
echo "command line answered as expected"
