#!/bin/sh
# Installs the build tree into a scratch DESTDIR under /usr and checks what a desktop sees there:
# the program, its launcher, its icons in every size and its AppStream metadata, each accepted by
# the freedesktop validators.
# Usage: install_check.sh CMAKE BUILD_DIR VERSION
set -eu
cmake=$1 build=$2
expected=$3
id=io.github.curvanta.Curvanta
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR=$root "$cmake" --install "$build" --prefix /usr >/dev/null
usr=$root/usr

[ -x "$usr/bin/curvanta" ] || fail "bin/curvanta missing or not executable"
version=$(env -u DISPLAY -u WAYLAND_DISPLAY "$usr/bin/curvanta" --version)
[ "$version" = "Curvanta $expected" ] || fail "installed --version says '$version'"

desktop=$usr/share/applications/$id.desktop
[ -f "$desktop" ] || fail "launcher $desktop missing"
out=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $out"
echo "$out" | grep -Eiq 'error|warning' && fail "desktop-file-validate: $out"
for line in Name=Curvanta Exec=curvanta Icon=$id Terminal=false Type=Application \
    'Categories=Education;Math;'; do
    grep -qxF "$line" "$desktop" || fail "launcher lacks '$line'"
done

# Each PNG must be as large as the directory it sits in says (width and height from IHDR).
for size in 16 32 48 64 128 256; do
    png=$usr/share/icons/hicolor/${size}x$size/apps/$id.png
    [ -f "$png" ] || fail "icon $png missing"
    dims=$(od -An -tu1 -j16 -N8 "$png" | awk '{ print $3 * 256 + $4 "x" $7 * 256 + $8 }')
    [ "$dims" = "${size}x$size" ] || fail "$png is $dims"
done
[ -f "$usr/share/icons/hicolor/scalable/apps/$id.svg" ] || fail "scalable icon missing"

metainfo=$usr/share/metainfo/$id.metainfo.xml
[ -f "$metainfo" ] || fail "metainfo $metainfo missing"
out=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli validate: $out"
echo "$out" | grep -Eq '^[EW]:' && fail "appstreamcli validate: $out"
grep -qF "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" \
    || fail "metainfo does not launch $id.desktop"
grep -qF "<release version=\"$expected\"" "$metainfo" || fail "metainfo lacks release $expected"
echo "installed tree under $usr is complete"
