#!/bin/sh
# Installs the built program into a staging folder, as a package would, and
# checks that the program, its desktop entry, its metadata and its icons
# land where the desktop looks for them, and that the validators accept them.
#   check-install.sh <build folder> <application id> <library folder, relative>
set -u
build=$1
id=$2
libdir=$3
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null || { echo "cmake --install failed"; exit 1; }
share="$stage/usr/share"
status=0
need() {
    if [ ! -s "$1" ]; then
        echo "missing: ${1#"$stage"}"
        status=1
    fi
}
need "$stage/usr/bin/OrrinFreeDivinationI"
[ -x "$stage/usr/bin/OrrinFreeDivinationI" ] || { echo "the program is not executable"; status=1; }
# Printing is a module the program loads from its own folder of the library folder.
need "$stage/usr/$libdir/OrrinFreeDivinationI/orrin_print.so"
need "$share/applications/$id.desktop"
need "$share/metainfo/$id.metainfo.xml"
need "$share/icons/hicolor/scalable/apps/$id.svg"
for size in 16 22 24 32 48 64 128 256; do
    png="$share/icons/hicolor/${size}x${size}/apps/$id.png"
    need "$png"
    # Width and height stand in the PNG header, bytes 17 to 24, big-endian.
    dims=$(od -An -tu1 -j16 -N8 "$png" 2>/dev/null | tr -s ' ' | sed 's/^ //')
    side="0 0 $((size / 256)) $((size % 256))"
    if [ "$dims" != "$side $side" ]; then
        echo "$png is not ${size}x${size}: $dims"
        status=1
    fi
done
grep -qx "Icon=$id" "$share/applications/$id.desktop" || { echo "the desktop entry names another icon"; status=1; }
grep -qx "Exec=OrrinFreeDivinationI" "$share/applications/$id.desktop" || { echo "the desktop entry runs another program"; status=1; }
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$share/metainfo/$id.metainfo.xml" \
    || { echo "the metadata launches another entry"; status=1; }
grep -q "<screenshot" "$share/metainfo/$id.metainfo.xml" || { echo "the metadata has no screenshot"; status=1; }
desktop-file-validate "$share/applications/$id.desktop" || status=1
appstreamcli validate --no-net --pedantic "$share/metainfo/$id.metainfo.xml" >/dev/null \
    || { appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml"; status=1; }
[ $status -eq 0 ] && echo "installed: program, printing module, desktop entry, metadata, icons"
exit $status
