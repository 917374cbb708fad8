#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and checks the tree a desktop sees, then
# removes it again. Proves below the package round trip what only `make install` does: a valid
# menu entry, metainfo and icons, modes that no user can abuse, and an uninstall that leaves
# nothing.
# Usage: check_install.sh BUILD_DIR PROGRAM MODULE_DIR DATA_DIR UNINSTALL_SCRIPT (installed paths)
set -uo pipefail

BUILD=$1 PROGRAM=$2 MODULE_DIR=$3 DATA=$4 UNINSTALL=$5
ID=example.torvane.Kelvara
DEST=$(mktemp -d)
trap 'rm -rf "$DEST" "$DEST.log" "$DEST.list"' EXIT
FAILED=0
fail() { echo "install FAILED: $*" >&2; FAILED=1; }

for tool in desktop-file-validate appstreamcli; do
    command -v $tool >/dev/null || { echo "install check skipped: no $tool (make deps)"; exit 77; }
done

DESTDIR=$DEST cmake --install "$BUILD" >"$DEST.log" 2>&1 || { cat "$DEST.log"; exit 1; }
sed "s|^|$DEST|" "$BUILD/install_manifest.txt" >"$DEST.list" # it names the files without DESTDIR

# A PNG's width and height are the big-endian words at bytes 16 and 20.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8 }'; }

[ -x "$DEST$PROGRAM" ] || fail "no program at $PROGRAM"
[ -f "$DEST$MODULE_DIR/libkelvara_audio.so" ] || fail "no audio module in $MODULE_DIR"
desktop-file-validate "$DEST$DATA/applications/$ID.desktop" || fail "the menu entry is invalid"
appstreamcli validate --no-net "$DEST$DATA/metainfo/$ID.metainfo.xml" >/dev/null ||
    fail "the metainfo is invalid: $(appstreamcli validate --no-net "$DEST$DATA/metainfo/$ID.metainfo.xml")"
grep -qx "Exec=$(basename "$PROGRAM")" "$DEST$DATA/applications/$ID.desktop" || fail "Exec names another program"
grep -qx "Icon=$ID" "$DEST$DATA/applications/$ID.desktop" || fail "Icon names another icon"
grep -q '<screenshot type="default">' "$DEST$DATA/metainfo/$ID.metainfo.xml" || fail "no screenshot"
[ -s "$DEST$DATA/icons/hicolor/scalable/apps/$ID.svg" ] || fail "no scalable icon"
for size in 16 22 24 32 48 64 128 256; do
    png=$DEST$DATA/icons/hicolor/${size}x$size/apps/$ID.png
    [ "$(png_size "$png" 2>/dev/null)" = "${size}x$size" ] || fail "no ${size} px icon"
done

# Every user may run and read everything; only the program and the store carry the group.
bad=$(find "$DEST" -mindepth 1 -path "$DEST/var" -prune -o \( -perm /022 -o ! -perm -444 \) -print)
[ -z "$bad" ] || fail "files writable by others or unreadable: $bad"
# The modes of the setgid program and the shared store are the package round trip's.
[ ! -g "$DEST$PROGRAM" ] || [ "$(id -u)" = 0 ] || fail "program is setgid without root to give it the group"
[ -z "$(find "$DEST" -path "$DEST/var" -prune -o -perm /2000 -type f ! -path "$DEST$PROGRAM" -print)" ] ||
    fail "setgid files besides the program"

# Uninstall takes all it added, the shared store included.
sh "$UNINSTALL" "$DEST.list" || fail "uninstall failed"
left=$(find "$DEST" -type f)
[ -z "$left" ] || fail "uninstall left $left"
for folder in "$MODULE_DIR" /var/games/kelvara; do
    [ -d "$DEST$folder" ] && fail "uninstall left $folder"
done
((FAILED == 0)) && echo "install PASSED: tree checked, validated and removed"
exit $FAILED
