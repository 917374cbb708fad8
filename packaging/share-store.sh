# share_store ROOT PROGRAM: lets all users of the machine share the players and the high
# scores, and nothing more. PROGRAM (under ROOT; empty to leave it as it is) becomes setgid
# games and takes the group only while it writes the store; the store folder belongs to the
# group. Without the group, or without the rights to hand it out, each user keeps a store of
# their own.
share_store() {
    store=$1/var/games/kelvara
    if ! getent group games >/dev/null || ! mkdir -p "$store" 2>/dev/null ||
        ! chgrp games "$store" ${2:+"$1$2"} 2>/dev/null; then
        echo "kelvara: no shared store in $store (needs root and the group games);" \
            "each user keeps their own players and high scores"
        return 0
    fi
    chmod 2775 "$store"
    if [ -n "$2" ]; then chmod 2755 "$1$2"; fi
}
