# share_store ROOT PROGRAM: lets all users of the machine share the players and the high
# scores, and nothing more. PROGRAM (under ROOT; empty to leave it as it is) becomes setgid
# games and takes the group only to open the store for writing. The folder belongs to root,
# so that nobody else adds, replaces or links anything in it; the group may only write into
# the two files made here: the store, which all may read, and the copy of a damaged store,
# which only the group may read. What an older install left there is mended, never followed.
# Without the group, or without the rights to hand it out, each user keeps a store of their own.
share_store() {
    store=$1/var/games/kelvara
    if ! getent group games >/dev/null || ! mkdir -p "$store" 2>/dev/null ||
        ! chown root:games "$store" ${2:+"$1$2"} 2>/dev/null; then
        echo "kelvara: no shared store in $store (needs root and the group games);" \
            "each user keeps their own players and high scores"
        return 0
    fi
    # First, before looking at what is inside: an older install let the group add files.
    chmod 0755 "$store"
    rm -f "$store/Kelvara.reg.lock"
    share_file "$store/Kelvara.reg" 0664 'Windows Registry Editor Version 5.00'
    share_file "$store/Kelvara.reg.bak" 0660
    if [ -n "$2" ]; then chmod 2755 "$1$2"; fi
}

# share_file FILE MODE [FIRST_LINE]: FILE as a regular file of root and games with no other
# name (a hard link would hand the group another file); a symlink or anything else in its
# place goes first.
share_file() {
    if [ -L "$1" ] || { [ -e "$1" ] && { [ ! -f "$1" ] || [ "$(stat -c %h "$1")" != 1 ]; }; }; then
        rm -rf "$1"
    fi
    if [ ! -e "$1" ]; then
        if [ -n "${3-}" ]; then printf '%s\n' "$3" >"$1"; else : >"$1"; fi
    fi
    chown root:games "$1"
    chmod "$2" "$1"
}
