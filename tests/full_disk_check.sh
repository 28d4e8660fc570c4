#!/bin/sh
# --render onto a full disk: exit 1, one line naming the file and the reason, an earlier file byte
# for byte as it was and nothing left beside it. As root, a small tmpfs filled to the brim; a
# file size limit stands in for it anywhere else.
# Usage: full_disk_check.sh PROGRAM
set -u
program=$1
fail() { echo "FAIL: $*" >&2; exit 1; }
dir=$(mktemp -d) mounted=
cleanup() { [ -z "$mounted" ] || umount "$dir/full"; rm -rf "$dir"; }
trap cleanup EXIT
trap 'exit 1' HUP INT TERM
export XDG_RUNTIME_DIR=$dir

# expect FOLDER REASON [ULIMIT]: --render over FOLDER/new.EXTENSION, which holds an earlier file,
# and to a new name fails for REASON, in one line, and leaves FOLDER as it was.
expect() {
    for extension in png csv; do
        for name in new.$extension other.$extension; do
            before=$(ls -A "$1"; cat "$1/new.$extension")
            # SIGXFSZ ignored: a write past the limit fails with "File too large".
            err=$( (trap '' XFSZ && ulimit -f "${3:-unlimited}" &&
                env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u LANGUAGE LC_ALL=C.UTF-8 \
                    "$program" --render "$1/$name" --function "bsin(ax)") 2>&1 >/dev/null); rc=$?
            want="curvanta: File error: The plot could not be saved to \"$1/$name\": $2."
            [ $rc -eq 1 ] && [ "$err" = "$want" ] || fail "$name exits $rc, writes '$err'"
            [ "$(ls -A "$1"; cat "$1/new.$extension")" = "$before" ] || fail "$name changed $1"
        done
    done
}
fill() { mkdir -p "$1" && printf 'earlier png' >"$1/new.png" && printf 'earlier csv' >"$1/new.csv"; }

fill "$dir/limited" && expect "$dir/limited" "File too large" 8
if [ "$(id -u)" -eq 0 ] && fill "$dir/full" && mount -t tmpfs -o size=64k tmpfs "$dir/full"; then
    mounted=1
    fill "$dir/full"
    dd if=/dev/zero of="$dir/full/filler" bs=1k 2>/dev/null # until not one byte more fits
    expect "$dir/full" "No space left on device"
else
    echo "no tmpfs mounted here: the full disk stood in for by the file size limit only"
fi
echo "a full disk left every earlier file as it was"
