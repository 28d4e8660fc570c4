#!/bin/sh
# --render onto a full disk: exit 1, one line naming the file and the reason, an earlier file byte
# for byte as it was and nothing left beside it. A file size limit stands in for a full disk
# anywhere; as root, a small tmpfs filled to the brim too.
# Usage: full_disk_check.sh PROGRAM
set -u
program=$1
fail() { echo "FAIL: $*" >&2; exit 1; }
run() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u LANGUAGE LC_ALL=C.UTF-8 \
        "$program" --render "$1" --function "bsin(ax)" --a 1.5 --b 3
}
dir=$(mktemp -d) mounted=
cleanup() { [ -z "$mounted" ] || umount "$dir/full"; rm -rf "$dir"; }
trap cleanup EXIT
trap 'exit 1' HUP INT TERM
export XDG_RUNTIME_DIR=$dir

# expect FOLDER REASON [ULIMIT]: --render of each kind of file over FOLDER/new.EXTENSION, which
# holds an earlier file, and to the new name FOLDER/other.EXTENSION fail for REASON, in one line,
# and leave FOLDER as it was.
expect() {
    folder=$1 reason=$2 limit=${3:-unlimited}
    for extension in png svg csv; do
        expectFor "$extension"
    done
}
expectFor() {
    cp "$folder/new.$1" "$dir/earlier"
    before=$(ls -A "$folder")
    for name in new.$1 other.$1; do
        # SIGXFSZ ignored: a write past the limit fails with "File too large" instead of ending
        # the program, as one on a full disk fails with "No space left on device".
        err=$( (trap '' XFSZ && ulimit -f "$limit" && run "$folder/$name") 2>&1 >/dev/null); rc=$?
        want="curvanta: File error: The plot could not be saved to \"$folder/$name\": $reason."
        [ $rc -eq 1 ] && [ "$err" = "$want" ] || fail "$name exits $rc, writes '$err'"
        [ "$(ls -A "$folder")" = "$before" ] || fail "$name leaves $(ls -A "$folder")"
        cmp -s "$folder/new.$1" "$dir/earlier" || fail "$name changes the earlier file"
    done
}

mkdir "$dir/limited"
for extension in png svg csv; do
    printf 'precious earlier %s' $extension >"$dir/limited/new.$extension"
done
expect "$dir/limited" "File too large" 8

if [ "$(id -u)" -ne 0 ]; then
    echo "not root: no tmpfs mounted, the full disk stood in for by the file size limit only"
elif ! mkdir "$dir/full" || ! mount -t tmpfs -o size=64k,mode=700 tmpfs "$dir/full"; then
    echo "root, but no tmpfs can be mounted here: the full disk stood in for by the limit only"
else
    mounted=1
    for extension in png svg csv; do
        printf 'precious earlier %s' $extension >"$dir/full/new.$extension"
    done
    dd if=/dev/zero of="$dir/full/filler" bs=1k 2>/dev/null # until not one byte more fits
    expect "$dir/full" "No space left on device"
fi
echo "a full disk left every earlier file as it was"
