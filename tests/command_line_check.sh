#!/bin/sh
# The command line, answered without a display. Usage: command_line_check.sh PROGRAM
set -u
fail() { echo "FAIL: $*" >&2; exit 1; }
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$1" "$2" 2>&1; echo "exit $?"; }
usage="Usage: curvanta [--help] [--version]"
[ "$(run "$1" --version)" = "Curvanta 1.00
exit 0" ] || fail "--version: $(run "$1" --version)"
for help in --help -h; do
    [ "$(run "$1" $help)" = "$usage
Plots a chosen function on a sheet of graph paper.
exit 0" ] || fail "$help: $(run "$1" $help)"
done
[ "$(run "$1" --frobnicate)" = "$usage
exit 2" ] || fail "an unknown option: $(run "$1" --frobnicate)"
stray=$( { QT_QPA_PLATFORM=offscreen "$1" stray; echo "exit $?"; } 2>&1 | grep -v QStandardPaths)
[ "$stray" = "$usage
exit 2" ] || fail "a stray argument: $stray"
echo "command line answered as expected"
