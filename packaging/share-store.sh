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
    # First, before looking inside: from here on nobody but root can add or swap a name. The
    # extra zero clears the setgid bit an older install gave the folder.
    chmod 00755 "$store"
    # Lock files, a user's Torvane folder, links: only the two files are ours. rm never
    # follows a symlink, and find leaves a symlinked store to be removed here, unread.
    find "$store" -mindepth 1 -maxdepth 1 \
        ! \( -type f \( -name Kelvara.reg -o -name Kelvara.reg.bak \) \) -exec rm -rf {} +
    share_file "$store/Kelvara.reg" 0664 'Windows Registry Editor Version 5.00'
    share_file "$store/Kelvara.reg.bak" 0660
    if [ -n "$2" ]; then chmod 2755 "$1$2"; fi
}

# share_file FILE MODE [FIRST_LINE]: FILE anew, root's and the group's, with the text of the
# old one. Always a new file: a user who owned the old one, or holds it open, or gave it a
# second name, keeps only that old file. More than the program reads (16 MB) is no store.
share_file() {
    new=$(mktemp "$1.XXXXXX")
    if [ -f "$1" ] && [ "$(stat -c %s "$1")" -le 16777216 ]; then
        cat "$1" >"$new"
    elif [ -n "${3-}" ]; then
        printf '%s\n' "$3" >"$new"
    fi
    chown root:games "$new"
    chmod "$2" "$new"
    mv -f "$new" "$1"
}
