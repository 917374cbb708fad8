#!/bin/sh
# uninstall.sh LIST: removes the files a make install listed (full paths, DESTDIR included),
# the shared store's among them, and the program's own folders once they are empty.
set -eu
list=$1
[ -f "$list" ] || { echo "uninstall: no $list, so nothing installed from this build" >&2; exit 1; }
while IFS= read -r file || [ -n "$file" ]; do
    rm -f "$file"
    case $file in */kelvara/*) rmdir "${file%/*}" 2>/dev/null || true ;; esac
done <"$list"
rm -f "$list"
