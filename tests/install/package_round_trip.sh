#!/usr/bin/env bash
# package_round_trip.sh KELVARA.deb STORE_WRITER WORDS (the process tests' second copy, which
# counts the high scores, and the helper that names a seed's first word): what only the
# installed, setgid package shows. In a throw-away Debian 12 root it is installed, played by
# users under a hostile environment, attacked through the shared store, reinstalled over an
# older install's leftovers, then removed and purged. Needs root, debootstrap and this
# machine's mirror.
set -uo pipefail

DEB=$(realpath "$1")
WRITER=$(realpath "$2")
WORDS=$(realpath "$3")
BASE=/tmp/fresh-bookworm-base.tar # shared with the newcomer check, made once
ROOT=$(mktemp -d /tmp/kelvara-package-root.XXXX)
LOG=/tmp/kelvara-package.log
STORE=/var/games/kelvara
cleanup() {
    # A step that failed may leave a program or a lock holder in the root, keeping /dev busy.
    for proc in /proc/[0-9]*; do [ "$(readlink "$proc/root")" = "$ROOT" ] && kill -9 "${proc#/proc/}"; done
    sleep 0.5
    umount "$ROOT/dev/pts" "$ROOT/dev" "$ROOT/proc" 2>/dev/null
    rm -rf --one-file-system "$ROOT"
}
trap cleanup EXIT
fail() { echo "package FAILED: $*"; echo "(log: $LOG)"; exit 1; }
in_root() { chroot "$ROOT" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin \
    DEBIAN_FRONTEND=noninteractive bash -c "$1" >>"$LOG" 2>&1; }
as() { in_root "setpriv --reuid $1 --regid $1 --init-groups $2"; }
# play USER NAME_OF_RUN [VAR=VALUE...]: a first start with a configuration folder of its own.
play() {
    local user=$1 run=$2
    shift 2
    in_root "bash /tmp/play_as.sh $user XDG_CONFIG_HOME=/home/$user/$run $*" ||
        fail "$user's game ($run): $(tail -5 "$LOG")"
}
await() { for _ in $(seq 50); do [ -e "$ROOT$1" ] && return; sleep 0.1; done; false; }
stored() { grep -q "Players\\\\$1\\]" "$ROOT$STORE/Kelvara.reg"; }
high_scores() { in_root '/tmp/store-writer check installed >/tmp/check' && cut -d' ' -f1 "$ROOT/tmp/check"; }
modes() { in_root "stat -c '%a %U:%G %n' $STORE $STORE/* >/tmp/modes" && cat "$ROOT/tmp/modes"; }
: >"$LOG"

if [ ! -f $BASE ]; then
    # The mirror of this machine's own apt sources; none is named here.
    mirror=$(awk '/^URIs:/ { print $2; exit }' /etc/apt/sources.list.d/debian.sources 2>/dev/null)
    [ -n "$mirror" ] || mirror=$(awk '/^deb / { print $2; exit }' /etc/apt/sources.list 2>/dev/null)
    [ -n "$mirror" ] || fail "no Debian mirror in this machine's apt sources"
    base=$(mktemp -d)
    debootstrap --variant=minbase bookworm "$base" "$mirror" >>"$LOG" 2>&1 || fail "debootstrap"
    tar -C "$base" -cf $BASE . && rm -rf "$base"
fi
tar -C "$ROOT" -xf $BASE && chmod 755 "$ROOT" # mktemp made it private, users must enter
cp /etc/resolv.conf "$ROOT/etc/resolv.conf"
cp "$DEB" "$ROOT/tmp/kelvara.deb"
cp "$(dirname "$0")/play_as.sh" "$ROOT/tmp/play_as.sh"
cp "$WRITER" "$ROOT/tmp/store-writer"
cp "$WORDS" "$ROOT/tmp/kelvara-words"
# Stands in for the browser opener: notes the groups a program started by Kelvara holds.
printf '#!/bin/sh\ngrep Gid /proc/self/status >/tmp/opener-groups.new\nid -G >/tmp/opener-ids\nmv /tmp/opener-groups.new /tmp/opener-groups\n' \
    >"$ROOT/usr/local/bin/xdg-open"
chmod 755 "$ROOT/usr/local/bin/xdg-open"
mount -t proc proc "$ROOT/proc" && mount --bind /dev "$ROOT/dev" && mount --bind /dev/pts "$ROOT/dev/pts"

echo "Installing the package and a virtual X server (log: $LOG)"
in_root "apt-get update -qq && apt-get install -y -qq --no-install-recommends \
    /tmp/kelvara.deb xvfb xauth xdotool procps" || fail "apt-get install"
in_root '[ "$(stat -c "%a %U:%G" /usr/bin/kelvara)" = "2755 root:games" ]' ||
    fail "program is not setgid games: $(stat -c '%a %U:%G' "$ROOT/usr/bin/kelvara")"
installed="755 root:games $STORE
664 root:games $STORE/Kelvara.reg
660 root:games $STORE/Kelvara.reg.bak"
[ "$(modes)" = "$installed" ] || fail "the shared store is $(modes)"
in_root '! dpkg -L kelvara | grep -q /var/games' || fail "the package itself holds the store"
in_root 'useradd -m anna && useradd -m bert && useradd -m -G games gamer' || fail "useradd"
# Another game's scores, as a group-writable games folder usually keeps them.
in_root 'mkdir -m 2775 /var/games/othergame && echo 1000 >/var/games/othergame/scores &&
    chgrp -R games /var/games/othergame && chmod 664 /var/games/othergame/scores' || fail "othergame"
in_root 'find /var/games -printf "%p %u:%g %m %s\n" | sort >/tmp/games-before'

play anna first
stored anna || fail "anna is not stored: $(modes; cat "$ROOT$STORE/Kelvara.reg")"
echo "  stored a first player in the shared store"

# 1. A path from the environment never leads to the group: neither into the shared folder nor
# through it into another game's folder, and the user's own store is written as the user.
play anna escape-1 XDG_CONFIG_HOME=$STORE/../othergame XDG_DATA_HOME=$STORE/../othergame
play anna escape-2 XDG_CONFIG_HOME=$STORE/../../../home/anna/escape
in_root '[ "$(stat -c %U:%G /home/anna/escape/Torvane/Kelvara.reg)" = anna:anna ]' ||
    fail "anna's own store is not anna's alone: $(ls -ln "$ROOT/home/anna/escape/Torvane")"
# 2. Nor can it make the lock (or anything else) of the shared store.
play anna lock XDG_CONFIG_HOME=$STORE/Kelvara.reg.lock
in_root 'find /var/games -printf "%p %u:%g %m %s\n" | sort | grep -v "^/var/games/kelvara/Kelvara.reg " |
    diff - <(grep -v "^/var/games/kelvara/Kelvara.reg " /tmp/games-before)' ||
    fail "the environment changed /var/games: $(tail -8 "$LOG")"
echo "  XDG folders through the shared store reached nothing in /var/games"
play bert first
stored bert || fail "bert's save did not land after anna's attempts"
stored anna || fail "bert's game lost anna"
echo "  the other user's save still landed"

# 3. After both users played, the shared files are root's still, with the modes that keep them so.
[ "$(modes)" = "$installed" ] || fail "after two players the shared store is $(modes)"
echo "  every file in the shared folder is still root's, with the modes the install gave it"

# 4. The folder is root's alone, so not even the group can place a file there (a symlink that
# root puts there is refused, as SharedStoreTest shows); a damaged store is kept where only the
# group reads.
as gamer "ln -s /home/bert/secret $STORE/Kelvara.reg.new" && fail "the group can add files"
damaged='[HKEY_LOCAL_MACHINE\Software\Torvane\Kelvara\Players\anna]
this line was written by hand'
in_root "printf '%s\n' '$damaged' >$STORE/Kelvara.reg && cp $STORE/Kelvara.reg /tmp/damaged" ||
    fail "damaged store set-up"
play bert damaged
in_root "cmp $STORE/Kelvara.reg.bak /tmp/damaged" || fail "the damaged store was not kept in the backup"
stored bert || fail "bert is not stored after the damaged store"
[ "$(modes)" = "$installed" ] || fail "after the damaged store the shared store is $(modes)"
echo "  the group adds nothing to the folder; a damaged store kept where only the group reads"

# 5. An older install left the store to its last writer, with a lock folder, a Torvane folder
# and the folder setgid. A reinstall makes new files: what that user writes afterwards through a
# descriptor opened before lands in the old file only, and the leftovers go.
in_root "chown anna $STORE/Kelvara.reg && chmod 666 $STORE/Kelvara.reg && chmod 2775 $STORE &&
    mkdir $STORE/Kelvara.reg.lock $STORE/Torvane" || fail "older install"
in_root "setpriv --reuid anna --regid anna --init-groups bash -c 'exec 3>>$STORE/Kelvara.reg &&
    : >/tmp/open && until [ -e /tmp/reinstalled ]; do sleep 0.1; done; echo forged >&3 && : >/tmp/forged' &"
await /tmp/open && in_root 'dpkg -i /tmp/kelvara.deb && : >/tmp/reinstalled' || fail "reinstall"
await /tmp/forged || fail "anna's descriptor wrote nothing after the reinstall"
grep -q forged "$ROOT$STORE/Kelvara.reg" && fail "a descriptor opened before the reinstall wrote the store"
[ "$(modes)" = "$installed" ] || fail "after the reinstall the shared store is $(modes)"
stored anna || fail "the reinstall lost anna"
echo "  reinstalled over an older install: old descriptors write nowhere, leftovers gone, players kept"

# 6. The secret word follows neither the start second nor KELVARA_SEED: a user outside the group
# who guesses the words those seeds give wins only by chance, 3 or 4 in 854 a game; two wins of
# three games would be a chance of 1 in 20000.
in_root 'useradd -m carl' || fail "useradd carl"
won=$(high_scores) run=0
for seed in "" "" KELVARA_SEED=4242; do
    run=$((run + 1))
    in_root "WORDS_OF=/tmp/kelvara-words bash /tmp/play_as.sh carl XDG_CONFIG_HOME=/home/carl/$run $seed" ||
        fail "carl's game $run, $(($(high_scores) - won)) won: $(tail -5 "$LOG")"
done
(($(high_scores) - won <= 1)) || fail "$(($(high_scores) - won)) of 3 games won by the seeds' first words"
echo "  the words seeded by the start second or KELVARA_SEED won no more than chance does"

# 7. A user outside the group may hold a flock on the readable store; it holds up nobody.
in_root 'useradd -m dora' || fail "useradd dora"
in_root "setpriv --reuid anna --regid anna --init-groups flock -x $STORE/Kelvara.reg \
    sh -c 'echo \$\$ >/tmp/holder; exec sleep 120' &" || fail "anna's flock"
await /tmp/holder || fail "anna holds no flock"
play dora first
stored dora || fail "a flock held by anna kept dora's new player out of the store"
in_root 'kill $(cat /tmp/holder)' || fail "anna's flock was gone before dora's game ended"
echo "  a user's flock on the store held up no write"

# 8. A member of the group may spoil the store but not end the game for all: a sparse 40 GB store
# is read no further than 16 MB (play_as.sh checks the program's size) and kept so in the backup,
# and a table of the last generation does not stop the writes after it.
as gamer "truncate -s 40G $STORE/Kelvara.reg" || fail "gamer could not grow the store"
play bert huge
in_root "[ \$(stat -c %s $STORE/Kelvara.reg.bak) -le 16777216 ]" ||
    fail "the backup of a huge store is $(stat -c %s "$ROOT$STORE/Kelvara.reg.bak") bytes"
body=$'\n[HKEY_LOCAL_MACHINE\\Software\\Torvane\\Kelvara\\Players\\anna]\n\n' last=18446744073709551615
hash=$(printf '%s %s\n%s' $last ${#body} "$body" | sha256sum | cut -c1-16)
printf 'Windows Registry Editor Version 5.00\n; Kelvara table, generation %s, %s bytes, sha256 %s\n%s' \
    $last ${#body} "$hash" "$body" >"$ROOT$STORE/Kelvara.reg"
play dora last-generation
stored dora || fail "no write landed after a table of the last generation"
echo "  a huge store read in part, a table of the last generation written after"

in_root 'dpkg -r kelvara' || fail "dpkg -r"
[ -e "$ROOT/usr/bin/kelvara" ] && fail "removal left the program"
[ -f "$ROOT$STORE/Kelvara.reg" ] || fail "removal took the players and scores"
in_root 'dpkg -P kelvara' || fail "dpkg -P"
[ -e "$ROOT$STORE" ] && fail "purge left $STORE"
in_root 'dpkg -i /tmp/kelvara.deb && dpkg -P kelvara' || fail "install again and purge"
echo "package PASSED: installed, played setgid by several users, attacked, reinstalled, removed and purged"
