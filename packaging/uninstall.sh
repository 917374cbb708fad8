#!/bin/sh
# uninstall.sh LIST: removes the files a make install listed (full paths, DESTDIR included)
# and the program's own library folder. The shared store and its data stay.
set -eu
list=$1
[ -f "$list" ] || { echo "uninstall: no $list, so nothing installed from this build" >&2; exit 1; }
while IFS= read -r file || [ -n "$file" ]; do
    rm -f "$file"
    case $file in */kelvara/libkelvara_audio.so) rmdir "${file%/*}" 2>/dev/null || true ;; esac
done <"$list"
rm -f "$list"
