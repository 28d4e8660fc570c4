#!/bin/sh
# The command line, answered without a display: --version, --help and an unknown option.
# Usage: command_line_check.sh PROGRAM VERSION
set -u
program=$1 version=$2
fail() { echo "FAIL: $*" >&2; exit 1; }
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@"; }

out=$(run --version 2>/dev/null); rc=$?
[ $rc -eq 0 ] || fail "--version exits $rc"
[ "$out" = "Curvanta $version" ] || fail "--version prints '$out'"

out=$(run --help 2>/dev/null); rc=$?
[ $rc -eq 0 ] || fail "--help exits $rc"
[ "$(echo "$out" | head -n 1)" = "Usage: curvanta [--help] [--version]" ] \
    || fail "--help prints '$out'"

out=$(run --frobnicate 2>&1 >/dev/null); rc=$?
[ $rc -eq 2 ] || fail "an unknown option exits $rc, not 2"
[ "$out" = "Usage: curvanta [--help] [--version]" ] || fail "an unknown option writes '$out' to stderr"
echo "command line answered as expected"
