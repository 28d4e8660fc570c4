#!/bin/sh
# The command line of the real program without a display: --version, --help, usage errors, --render
# in English and German, and the window's answer where no display is found.
# Usage: command_line_check.sh PROGRAM VERSION
set -u
program=$1 version=$2
fail() { echo "FAIL: $*" >&2; exit 1; }
run() { env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u LANGUAGE LC_ALL=C.UTF-8 DISPLAY=:nowhere "$program" "$@"; }
german() { env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u LC_ALL LANGUAGE=de LANG=de_DE.UTF-8 DISPLAY=:nowhere "$program" "$@"; }
dir=$(mktemp -d) && trap 'rm -rf "$dir"' EXIT
export XDG_RUNTIME_DIR=$dir
try="Try 'curvanta --help' for more information."

out=$(run --version 2>/dev/null); rc=$?
[ $rc -eq 0 ] || fail "--version exits $rc"
[ "$out" = "Curvanta $version" ] || fail "--version prints '$out'"

help=$(run --help 2>/dev/null); rc=$?
[ $rc -eq 0 ] || fail "--help exits $rc"
for function in 'bcos(ax)' 'bcot(ax)' '(dx^3)+(ax^2)+bx+c' 'a(e^bx)'; do
    echo "$help" | grep -qF -- "$function" || fail "--help lacks $function: $help"
done
[ "$(run -h 2>/dev/null)" = "$help" ] || fail "-h does not print the help"

# A usage error exits 2 before anything is drawn: "curvanta: " and the cause naming the option or
# argument, then the hint, and no file; an earlier file stays.
expect() { # TEXT ARGUMENTS...
    text=$1; shift
    echo earlier >"$dir/old.png"
    err=$(run "$@" 2>&1 >/dev/null); rc=$?
    [ $rc -eq 2 ] && [ "$(echo "$err" | wc -l)" -eq 2 ] && [ "$(echo "$err" | tail -n 1)" = "$try" ] \
        && echo "$err" | head -n 1 | grep -q '^curvanta: ' && echo "$err" | grep -qF -- "$text" \
        && [ -z "$(ls "$dir" | grep -v '^old.png$')" ] && [ "$(cat "$dir/old.png")" = earlier ] \
        || fail "$* exits $rc, writes '$err', leaves $(ls "$dir")"
}
for file in "$dir/new.png" "$dir/old.png"; do
    expect "'frobnicate'" --render "$file" --function 2 --frobnicate
    expect '--lower "5"' --render "$file" --function 2 --lower 5
    expect '--function "12"' --render "$file" --function 12
    expect "'--b'" --render "$file" --function 2 --b
    expect '--a "1,5"' --render "$file" --function 2 --a 1,5
    expect '--c "x"' --render "$file" --function 2 --c x
    expect '--d "nan"' --render "$file" --function 2 --d nan
    expect '"'.5'"' --render "$file" --function 2 --a 1 .5
    expect '"--help"' --render "$file" --function 2 -- --help
    expect '--screen "99999x99999"' --render "$file" --function 2 --screen 99999x99999
    expect '--screen "319x200"' --render "$file" --function 2 --screen 319x200
    expect '--screen "7680x4321"' --render "$file" --function 2 --screen 7680x4321
    expect '--scale "9"' --render "$file" --function 2 --scale 9
    expect '--function "0"' --render "$file" --function 2 --function 0
done
for name in plot.gif plot.xyz plot; do
    expect ".png, .jpg, .jpeg, .bmp, .svg, .pdf, .csv, .wav" --render "$dir/$name" --function 2
done
expect '"foo"' foo
expect '--function is needed' --render "$dir/new.png"
out=$(env -u DISPLAY -u WAYLAND_DISPLAY LC_ALL=C.UTF-8 "$program" foo 2>&1); rc=$?
[ $rc -eq 2 ] && [ "$out" = "curvanta: unknown argument \"foo\"
$try" ] || fail "without a display, a stray argument exits $rc: $out"

# Plot errors exit 1 with one line, no file.
for case in "Overflow|--function 11 --b 99" "Overflow: The number in the box \"b=\"|--b 1e400"; do
    text=${case%%|*}
    err=$(run --render "$dir/new.png" --function 2 ${case#*|} 2>&1); rc=$?
    [ $rc -eq 1 ] && [ "$(echo "$err" | wc -l)" -eq 1 ] && [ ! -e "$dir/new.png" ] \
        && echo "$err" | grep -qF -- "$text" || fail "${case#*|} exits $rc: $err"
done
out=$(run --render "$dir/no/p.png" --function 2 2>&1)
[ "$out" = "curvanta: File error: The plot could not be saved to \"$dir/no/p.png\": No such file or directory." ] || fail "$out"

# The format follows the extension, in any case.
magic() { od -An -tx1 -N3 "$1" | tr -d ' '; }
for case in png:89504e jpg:ffd8ff JPEG:ffd8ff bmp:424d svg:3c3f78 pdf:255044 csv:706c6f wav:524946; do
    file=$dir/plot.${case%%:*}
    run --render "$file" --function 2 --upper 0 --screen 320x200 || fail "--render $file fails"
    case $(magic "$file") in ${case#*:}*) ;; *) fail "$file starts with $(magic "$file")" ;; esac
done
run --render="$dir/big.png" --function=2 --upper=0 --screen=7680x4320 || fail "largest screen fails"
size() { od -An -tu4 --endian=big -j16 -N8 "$1" | tr -s ' ' | sed 's/^ //'; } # a PNG's width height
run --render "$dir/s8.png" --function 2 --scale 8 --screen 320x200 || fail "--scale 8 fails"
[ "$(size "$dir/s8.png")" = "$(size "$dir/plot.png" | awk '{print $1 * 8, $2 * 8}')" ] \
    || fail "--scale 8 draws $(size "$dir/s8.png") against $(size "$dir/plot.png")"

# The table of the full-range sine: a header and a row for each of its 50,000 dots, the same
# bytes in German; two plots numbered 1 and 2 in turn.
run --render "$dir/en.csv" --function "bsin(ax)" --a 1.5 --b 1.5 || fail "the table fails"
german --render "$dir/de.csv" --function "bsin(ax)" --a 1.5 --b 1.5 || fail "the German table fails"
[ "$(wc -l <"$dir/en.csv")" -eq 50001 ] && [ "$(head -n 1 "$dir/en.csv")" = "$(printf 'plot,function,x,y\r')" ] \
    && grep -q '^1,bsin(ax),-25,' "$dir/en.csv" && cmp -s "$dir/en.csv" "$dir/de.csv" \
    || fail "the table: $(wc -l <"$dir/en.csv") lines, $(head -n 2 "$dir/de.csv")"
run --render "$dir/two.csv" --lower -1 --upper 1 --function 2 --function "ax^2" || fail "two plots fail"
[ "$(cut -d, -f1,2 "$dir/two.csv" | uniq -c | awk '{print $1, $2}' | tr '\n' ' ')" \
    = "1 plot,function 1667 1,bsin(ax) 1667 2,ax^2 " ] || fail "two plots: $(cut -d, -f1 "$dir/two.csv" | uniq -c)"

# The README's example draws the same bytes in German as in English; a point is a decimal point.
example() { "$@" --function "bsin(ax)" --b 1.5 --lower -12 --upper 12 --screen 640x480; }
example run --render "$dir/en.png" --a 1.5 && example german --render "$dir/de.png" --a 1.5 \
    && example german --render "$dir/de-equals.png" --a=1.5 \
    && example german --render "$dir/one-de.png" --a 1.000 && example run --render "$dir/one.png" --a 1 \
    || fail "the example fails"
cmp -s "$dir/en.png" "$dir/de.png" && cmp -s "$dir/en.png" "$dir/de-equals.png" \
    && cmp -s "$dir/one.png" "$dir/one-de.png" && ! cmp -s "$dir/one.png" "$dir/en.png" \
    || fail "German and English draw differently"
# Where no runtime directory is named (cron, a service), a render that succeeds prints nothing.
out=$(env -u XDG_RUNTIME_DIR LC_ALL=C.UTF-8 "$program" --render "$dir/quiet.png" --function 2 2>&1); rc=$?
[ $rc -eq 0 ] && [ -z "$out" ] && [ -s "$dir/quiet.png" ] || fail "a render without XDG_RUNTIME_DIR: exit $rc, '$out'"
err=$(german --render "$dir/new.png" --function 2 --a 1,5 2>&1); rc=$?
[ $rc -eq 2 ] && echo "$err" | head -n 1 | grep -qF -- '--a "1,5"' || fail "German --a 1,5: $err"
err=$(german --frobnicate 2>&1); rc=$?
[ $rc -eq 2 ] && echo "$err" | grep -qF "Unbekannte Option" || fail "German --frobnicate: $err"

# The window without a display: this one line and exit 1, whether none is named, none answers or
# the one chosen is not there.
nodisplay="curvanta: no display found to open the window on; --render FILE draws the plot into a file without one"
for case in "-u DISPLAY" "DISPLAY=:nowhere" "-u DISPLAY QT_QPA_PLATFORM=wayland" "DISPLAY=:nowhere|-platform xcb"; do
    out=$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u LANGUAGE ${case%%|*} LC_ALL=C.UTF-8 "$program" $(echo "$case" | sed -n 's/.*|//p') 2>&1); rc=$?
    [ $rc -eq 1 ] && [ "$out" = "$nodisplay" ] || fail "no display ($case): exit $rc, '$out'"
done

de=$(german --help) && [ "$de" != "$help" ] || fail "German --help: $de"
echo "command line answered as expected"
