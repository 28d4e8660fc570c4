#!/bin/sh
# The command line, answered without a display: --version, --help (English and German), a bad option.
# Usage: command_line_check.sh PROGRAM
set -u
program=$1
fail() { echo "FAIL: $*" >&2; exit 1; }
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u LANGUAGE LC_ALL=C.UTF-8 "$program" "$@"; }

out=$(run --version 2>/dev/null); rc=$?
[ $rc -eq 0 ] || fail "--version exits $rc"
[ "$out" = "Curvanta 1.00" ] || fail "--version prints '$out'"

out=$(run --help 2>/dev/null); rc=$?
[ $rc -eq 0 ] || fail "--help exits $rc"
[ "$(echo "$out" | head -n 1)" = "Usage: curvanta [--help] [--version]" ] \
    || fail "--help prints '$out'"

de=$(LC_ALL= LANGUAGE=de LANG=de_DE.UTF-8 "$program" --help) && [ "$de" != "$out" ] || fail "German: $de"

out=$(run --frobnicate 2>&1 >/dev/null); rc=$?
[ $rc -eq 2 ] || fail "an unknown option exits $rc, not 2"
[ "$out" = "Usage: curvanta [--help] [--version]" ] || fail "an unknown option writes '$out' to stderr"
echo "command line answered as expected"
