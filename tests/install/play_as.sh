#!/usr/bin/env bash
# play_as.sh USER [VAR=VALUE...], inside the package's test root: USER plays a first start of
# the installed program (a fresh XDG_CONFIG_HOME each run) under an environment and options that
# would pick Qt plugins if it let them, and follows the about box's link; checks the groups of
# the program and the link's opener, where the sound module came from, and that the program
# stayed below 300 MB resident whatever the store holds.
set -uo pipefail
USER_NAME=$1
shift
fail() { echo "play FAILED for $USER_NAME: $*"; exit 1; }
home=/home/$USER_NAME
mkdir -p /tmp/x
rm -f /tmp/x/display
# The host's X servers share the abstract socket names, so let Xvfb pick a free display.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>/tmp/x/display 2>/tmp/x/xvfb.log &
xvfb=$! prog=
trap 'kill $prog $xvfb 2>/dev/null; wait' EXIT
for _ in $(seq 50); do [ -s /tmp/x/display ] && break; sleep 0.2; done
export DISPLAY=:$(cat /tmp/x/display)

started=$(date +%s)
ulimit -v 4194304 # a program that would read all of a huge store must not take the machine
setpriv --reuid "$USER_NAME" --regid "$USER_NAME" --init-groups env -i DISPLAY="$DISPLAY" HOME="$home" \
    PATH=/usr/local/bin:/usr/bin:/bin LANG=C.UTF-8 QT_QPA_PLATFORM=evil QT_QPA_PLATFORM_PLUGIN_PATH="$home" QT_PLUGIN_PATH="$home" \
    QT_QPA_PLATFORMTHEME=evil LD_LIBRARY_PATH="$home" GTK_PATH="$home" "$@" \
    /usr/bin/kelvara -platform evil -platformpluginpath "$home" >/tmp/x/program.log 2>&1 &
prog=$!
window() { for _ in $(seq 100); do
    FOUND=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | grep -vxE "${2:-none}" | head -1)
    [ -n "$FOUND" ] && return 0
    kill -0 $prog 2>/dev/null || fail "program ended: $(cat /tmp/x/program.log)"
    sleep 0.2
done
fail "no window $1 besides ${2:-none}; shown: $(xdotool search --onlyvisible --name . 2>/dev/null |
    while read -r w; do echo "$w $(xdotool getwindowname "$w")"; done | tr '\n' ',')
store: $(ls -la /var/games/kelvara)"; }

window "Select Language"
# Had the program kept QT_QPA_PLATFORM or -platform, Qt would have ended it for want of "evil".
echo "window shown on the display's own plugin despite QT_QPA_PLATFORM=evil and -platform evil"
pid=$prog # setpriv and env exec the program in their own process
gid=$(id -g "$USER_NAME") games=$(getent group games | cut -d: -f3)
# Real, effective, saved and file-system group: the user's, but games kept to be taken back.
grep -q "^Gid:	$gid	$gid	$games	$gid$" /proc/$pid/status || fail "groups: $(grep Gid /proc/$pid/status)"
xdotool windowfocus --sync "$FOUND" && xdotool key space # the English flag has the focus
name_win=$FOUND
window Kelvara "$name_win"
xdotool windowfocus --sync "$FOUND"
# With players stored the chooser lists them; New opens the field for another name.
grep -qs 'Players\\' /var/games/kelvara/Kelvara.reg && xdotool key alt+n && sleep 1
xdotool type --delay 50 "$USER_NAME" && sleep 0.5 && xdotool key Return
name_win=$FOUND
window Kelvara "$name_win"
main_win=$FOUND
eval "$(xdotool getwindowgeometry --shell "$main_win")"
xdotool windowfocus --sync "$main_win"
# Given WORDS_OF (kelvara_words), it first guesses the English words that the start second, either
# next one or a KELVARA_SEED given would pick, as one who knows when the game started would.
if [ -n "${WORDS_OF-}" ]; then
    for seed in $started $((started + 1)) $((started + 2)) $(printf '%s\n' "$@" | sed -n 's/^KELVARA_SEED=//p'); do
        xdotool type --delay 50 "$("$WORDS_OF" 0 "$seed")" && xdotool key Return && sleep 0.5
    done
    sleep 3 # a won game's notice closes by itself
fi
xdotool type A
module=$(dpkg -L kelvara | grep '/libkelvara_audio.so$')
for _ in $(seq 50); do grep -q libkelvara_audio /proc/$pid/maps && break; sleep 0.2; done
[ "$(grep -o '/.*libkelvara_audio.so' /proc/$pid/maps | sort -u)" = "$module" ] ||
    fail "sound module: $(grep -o '/.*libkelvara_audio.so' /proc/$pid/maps | sort -u)"
echo "sound module loaded from $module"

# The flag button covers 5..15 x 20..30 of the main window's 80 x 35 units, the link in the
# about box 36..66 x 102..114 of 132 x 119. The fake xdg-open notes the groups it runs with.
rm -f /tmp/opener-groups /tmp/opener-ids
unnamed=$(xdotool search --onlyvisible --name '^$' 2>/dev/null | tr '\n' '|')
xdotool mousemove --window "$main_win" $((WIDTH * 10 / 80)) $((HEIGHT * 25 / 35)) sleep 0.3 click 1
sleep 0.5 && xdotool key a
window "" "${unnamed%|}"
about_win=$FOUND
eval "$(xdotool getwindowgeometry --shell "$about_win")"
xdotool mousemove --window "$about_win" $((WIDTH * 51 / 132)) $((HEIGHT * 108 / 119)) sleep 0.3 click 1
for _ in $(seq 50); do [ -s /tmp/opener-groups ] && break; sleep 0.2; done
[ -s /tmp/opener-groups ] || fail "the link started no opener"
grep -q "^Gid:	$gid	$gid	$gid	$gid$" /tmp/opener-groups && ! grep -qw "$games" /tmp/opener-ids ||
    fail "the opener runs with $(cat /tmp/opener-groups /tmp/opener-ids)"
echo "link opener runs without the games group: $(cat /tmp/opener-groups)"
xdotool windowfocus --sync "$about_win" && xdotool key space
peak=$(awk '/^VmHWM:/ { print $2 }' /proc/$pid/status)
((peak < 300000)) || fail "the program grew to $peak kB"
xdotool windowfocus --sync "$main_win" && xdotool key Escape
for _ in $(seq 100); do
    kill -0 $prog 2>/dev/null || break
    question=$(xdotool search --onlyvisible --name '^Kelvara$' 2>/dev/null | grep -vx "$main_win" | head -1)
    [ -n "$question" ] && xdotool windowfocus --sync "$question" && xdotool key Return
    sleep 0.2
done
kill -0 $prog 2>/dev/null && fail "program still runs after Escape"
wait $prog || fail "program ended with $?: $(cat /tmp/x/program.log)"
echo "play PASSED for $USER_NAME"
