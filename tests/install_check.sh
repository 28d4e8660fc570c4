#!/bin/sh
# Installs the build tree into a scratch DESTDIR under /usr and checks what a desktop sees there,
# each file accepted by the freedesktop validators. Usage: install_check.sh CMAKE BUILD_DIR
set -eu
id=io.github.curvanta.Curvanta
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
DESTDIR=$root "$1" --install "$2" --prefix /usr >/dev/null
usr=$root/usr
version=$(env -u DISPLAY -u WAYLAND_DISPLAY "$usr/bin/curvanta" --version)
[ "$version" = "Curvanta 1.00" ] || fail "installed --version says '$version'"
desktop=$usr/share/applications/$id.desktop
out=$(desktop-file-validate "$desktop" 2>&1) && ! echo "$out" | grep -Eiq 'error|warning' \
    || fail "desktop-file-validate: $out"
for line in Name=Curvanta Exec=curvanta Icon=$id Terminal=false 'Categories=Education;Math;'; do
    grep -qxF "$line" "$desktop" || fail "launcher lacks '$line'"
done
for size in 16 32 48 64 128 256; do # width and height from the PNG header
    png=$usr/share/icons/hicolor/${size}x$size/apps/$id.png
    dims=$(od -An -tu1 -j16 -N8 "$png" | awk '{ print $3 * 256 + $4 "x" $7 * 256 + $8 }')
    [ "$dims" = "${size}x$size" ] || fail "$png is '$dims'"
done
[ -f "$usr/share/icons/hicolor/scalable/apps/$id.svg" ] || fail "scalable icon missing"
metainfo=$usr/share/metainfo/$id.metainfo.xml
out=$(appstreamcli validate --no-net "$metainfo" 2>&1) && ! echo "$out" | grep -Eq '^[EW]:' \
    || fail "appstreamcli validate: $out"
grep -qF "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" \
    || fail "metainfo does not launch $id.desktop"
echo "installed tree under $usr is complete"
