#!/usr/bin/env bash
# package_round_trip.sh KELVARA.deb: installs the package in a throw-away Debian 12 root, plays
# a first start there as two users under a hostile environment, then removes and purges it.
# Guards against a package that cannot be installed with its dependencies, that does not
# make the program setgid games and the store shared, that lets the environment choose
# Qt's plugins while setgid, that keeps the games group in effect, that removal takes the
# players and scores, or that purge leaves them. Needs root, debootstrap and the network.
set -uo pipefail

DEB=$(realpath "$1")
BASE=/tmp/fresh-bookworm-base.tar # shared with the newcomer check, made once
ROOT=$(mktemp -d /tmp/kelvara-package-root.XXXX)
LOG=/tmp/kelvara-package.log
cleanup() {
    umount "$ROOT/dev/pts" "$ROOT/dev" "$ROOT/proc" 2>/dev/null
    rm -rf --one-file-system "$ROOT"
}
trap cleanup EXIT
fail() { echo "package FAILED: $*"; echo "(log: $LOG)"; exit 1; }
in_root() { chroot "$ROOT" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin \
    DEBIAN_FRONTEND=noninteractive bash -c "$1" >>"$LOG" 2>&1; }
: >"$LOG"

if [ ! -f $BASE ]; then
    base=$(mktemp -d)
    debootstrap --variant=minbase bookworm "$base" http://deb.debian.org/debian >>"$LOG" 2>&1 ||
        fail "debootstrap"
    tar -C "$base" -cf $BASE . && rm -rf "$base"
fi
tar -C "$ROOT" -xf $BASE && chmod 755 "$ROOT" # mktemp made it private, users must enter
cp /etc/resolv.conf "$ROOT/etc/resolv.conf"
cp "$DEB" "$ROOT/tmp/kelvara.deb"
cp "$(dirname "$0")/play_as.sh" "$ROOT/tmp/play_as.sh"
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
in_root '[ "$(stat -c "%a %U:%G" /var/games/kelvara)" = "2775 root:games" ]' ||
    fail "no shared store folder"
in_root '! dpkg -L kelvara | grep -q /var/games' || fail "the package itself holds the store"
in_root 'useradd -m anna && useradd -m bert' || fail "useradd"

# Both users play; the second replaces the file the first one wrote.
for user in anna bert; do
    in_root "bash /tmp/play_as.sh $user" || fail "$user's game: $(tail -5 "$LOG")"
    grep -q "Players\\\\$user\\]" "$ROOT/var/games/kelvara/Kelvara.reg" ||
        fail "$user is not stored: $(ls -la "$ROOT/var/games/kelvara"; cat "$ROOT/var/games/kelvara/Kelvara.reg")"
done
in_root '[ "$(stat -c "%a %G" /var/games/kelvara/Kelvara.reg)" = "664 games" ]' ||
    fail "store file is $(stat -c '%a %G' "$ROOT/var/games/kelvara/Kelvara.reg")"
grep -q 'Players\\anna\]' "$ROOT/var/games/kelvara/Kelvara.reg" || fail "bert's game lost anna"
[ -e "$ROOT/var/games/kelvara/Kelvara.reg.lock" ] && fail "a lock file was left behind"

in_root 'dpkg -r kelvara' || fail "dpkg -r"
[ -e "$ROOT/usr/bin/kelvara" ] && fail "removal left the program"
[ -f "$ROOT/var/games/kelvara/Kelvara.reg" ] || fail "removal took the players and scores"
in_root 'dpkg -P kelvara' || fail "dpkg -P"
[ -e "$ROOT/var/games/kelvara" ] && fail "purge left /var/games/kelvara"
in_root 'dpkg -i /tmp/kelvara.deb && dpkg -P kelvara' || fail "install again and purge"
echo "package PASSED: installed, played setgid by two users, removed and purged"
