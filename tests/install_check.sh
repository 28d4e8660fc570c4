#!/bin/sh
# Installs the build into a scratch DESTDIR under /usr and checks what a desktop finds there (lintian
# checks the package in depth). Usage: install_check.sh CMAKE BUILD_DIR VERSION
set -eu
cmake=$1 build=$2 expected=$3
id=io.github.curvanta.Curvanta
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
DESTDIR=$root "$cmake" --install "$build" --prefix /usr >/dev/null
usr=$root/usr
version=$(env -u DISPLAY -u WAYLAND_DISPLAY "$usr/bin/curvanta" --version)
[ "$version" = "Curvanta $expected" ] || fail "installed --version says '$version'"
for line in Exec=curvanta Icon=$id 'Categories=Education;Math;'; do
    grep -qxF "$line" "$usr/share/applications/$id.desktop" || fail "launcher lacks '$line'"
done
for icon in 16x16 32x32 48x48 64x64 128x128 256x256; do
    [ -f "$usr/share/icons/hicolor/$icon/apps/$id.png" ] || fail "icon $icon missing"
done
[ -f "$usr/share/icons/hicolor/scalable/apps/$id.svg" ] || fail "scalable icon missing"
out=$(appstreamcli validate --no-net "$usr/share/metainfo/$id.metainfo.xml" 2>&1) \
    || fail "appstreamcli validate: $out"
grep -qF "<release version=\"$expected\"" "$usr/share/metainfo/$id.metainfo.xml" \
    || fail "metainfo lacks release $expected"
echo "installed tree under $usr is complete"
