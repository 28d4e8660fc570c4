#!/bin/sh
# The command line, answered without a display. Usage: command_line_check.sh PROGRAM
usage="Usage: curvanta [--help] [--version]"
help="$usage|Plots a chosen function on a sheet of graph paper."
check() { # the output and the exit status expected, lines joined by |, then the command
    expected=$1
    shift
    out=$( { env -u DISPLAY -u WAYLAND_DISPLAY "$@"; echo "exit $?"; } 2>&1 | grep -v QStandardPaths)
    [ "$(echo "$out" | tr '\n' '|')" = "$expected|" ] || { echo "FAIL: $*: $out" >&2; exit 1; }
}
check "Curvanta 1.00|exit 0" "$1" --version
check "$help|exit 0" "$1" --help
check "$help|exit 0" "$1" -h
check "$usage|exit 2" "$1" --frobnicate
check "$usage|exit 2" env QT_QPA_PLATFORM=offscreen "$1" stray
echo "command line answered as expected"
