#!/usr/bin/env bash
# Plays a first start of the real program in a virtual X server, as a player would: the
# English flag, a name, three guesses, Escape and No; through the flag menu another dictionary,
# help, the about box, the dictionary chooser, and a won game with a word set by hand; Escape.
# Then checks what was stored. Guards against a program that cannot be played from start to
# exit, a command of the flag menu that does not reach its window, or a program that forgets
# its settings on the way out. Usage: play_game.sh PATH/TO/kelvara OUTPUT_FOLDER (screenshots)
set -uo pipefail

PROGRAM=$(realpath "$1")
OUT=$(realpath "$2")
WAIT=25 # seconds for any one step; a busy two-core machine needs the room
TMP=$(mktemp -d)
USER_REG=$TMP/config/Torvane/Kelvara.reg
MACHINE_REG=$TMP/data/Torvane/Kelvara/machine.reg
XVFB_PID= PROG_PID=

fail() {
    echo "e2e FAILED: $*" >&2
    for f in "$TMP"/xvfb.log "$TMP"/program.log "$USER_REG" "$MACHINE_REG"; do
        [ -s "$f" ] && { echo "--- $f" >&2; cat "$f" >&2; }
    done
    exit 1
}
cleanup() {
    [ -n "$PROG_PID" ] && kill -TERM "$PROG_PID" 2>/dev/null
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$TMP"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

for tool in Xvfb xdotool import; do
    command -v "$tool" >/dev/null || { echo "e2e skipped: no $tool (make deps installs it)"; exit 77; }
done
# The program keeps its machine store there whenever it may; this run must not touch it.
[ -d /var/games/kelvara ] && [ -w /var/games/kelvara ] &&
    fail "/var/games/kelvara is writable here; run the test as a user who may not write there"

# A zombie child still answers kill -0, so ask ps for its state.
running() { local s; s=$(ps -o stat= -p "$1" 2>/dev/null) && [[ $s != Z* ]]; }

# Retries a command for at most $WAIT seconds.
wait_for() {
    local what=$1 deadline=$((SECONDS + WAIT))
    shift
    until "$@"; do
        [ -n "$PROG_PID" ] && ! running "$PROG_PID" && fail "the program ended while waiting for $what"
        ((SECONDS < deadline)) || fail "no $what after $WAIT s"
        sleep 0.2
    done
}

# Sets FOUND to a visible window with exactly this title that is none of the others given.
new_window() {
    local title=$1 id
    shift
    for id in $(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null); do
        [[ " $* " == *" $id "* ]] || { FOUND=$id; return 0; }
    done
    return 1
}
geometry() { eval "$(xdotool getwindowgeometry --shell "$1")"; } # sets WIDTH, HEIGHT
taller_than() { geometry "$1" && ((HEIGHT > $2)); }
focus() { xdotool windowfocus --sync "$1" || fail "cannot focus window $1"; } # there is no WM
window_gone() { ! xdotool search --onlyvisible --name '' 2>/dev/null | grep -qx "$1"; }

# Chooses from the flag menu, opened with the mouse (modifier keys held), by keys.
menu() {
    local modifier=$1
    shift
    focus "$MAIN_WIN"
    [ -n "$modifier" ] && xdotool keydown "$modifier"
    # Without --sync: that waits for a move, and the pointer is already there the second time.
    xdotool mousemove --window "$MAIN_WIN" "$FLAG_X" "$FLAG_Y" sleep 0.2 click 1
    [ -n "$modifier" ] && xdotool keyup "$modifier"
    sleep 0.5 # the menu opens on the press; keys typed before would reach the window
    xdotool key --delay 150 "$@"
}

# Opens a window through the flag menu, keeps a picture of it and closes it with keys.
# Usage: visit TITLE CLOSING_KEYS MODIFIER MENU_KEYS...
visit() {
    local title=$1 keys=$2 others
    shift 2
    others=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null)
    menu "$@"
    wait_for "window '$title' from menu keys $*" new_window "$title" $others
    local win=$FOUND
    import -window root "$OUT/e2e-${title:-untitled}.png" || fail "no screenshot"
    focus "$win" && xdotool key --delay 60 $keys
    wait_for "window '$title' to close" window_gone "$win"
}

# Checks that section [key] of a store file holds exactly this line.
expect_value() {
    SECTION="[$2]" LINE=$3 awk '/^\[/ { inside = ($0 == ENVIRON["SECTION"]); next }
        inside && $0 == ENVIRON["LINE"] { found = 1 } END { exit !found }' "$1" 2>/dev/null ||
        fail "$1 lacks $3 under [$2]"
}

mkdir -p "$TMP"/{home,config,data,cache} "$OUT" && mkdir -m 700 "$TMP"/runtime
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$TMP/display" 2>"$TMP/xvfb.log" &
XVFB_PID=$!
wait_for "virtual X server" test -s "$TMP/display"
export DISPLAY=:$(<"$TMP/display")

# Empty home and XDG folders, no session bus, no Wayland.
env -i PATH="$PATH" LANG=C.UTF-8 DISPLAY="$DISPLAY" QT_QPA_PLATFORM=xcb HOME="$TMP/home" \
    XDG_CONFIG_HOME="$TMP/config" XDG_DATA_HOME="$TMP/data" XDG_CACHE_HOME="$TMP/cache" \
    XDG_RUNTIME_DIR="$TMP/runtime" timeout 110 "$PROGRAM" >"$TMP/program.log" 2>&1 &
PROG_PID=$!

wait_for "language chooser" new_window "Select Language"
LANG_WIN=$FOUND
geometry "$LANG_WIN"
# The English flag button covers 6..24 of the dialog's 96 x 54 units: aim at its middle.
xdotool mousemove --window "$LANG_WIN" --sync $((WIDTH * 15 / 96)) $((HEIGHT * 15 / 54)) click 1

wait_for "name dialog" new_window "Kelvara" "$LANG_WIN"
NAME_WIN=$FOUND
focus "$NAME_WIN"
xdotool type --delay 60 "Tester" && xdotool key Return

wait_for "main window" new_window "Kelvara" "$NAME_WIN"
MAIN_WIN=$FOUND
geometry "$MAIN_WIN"
focus "$MAIN_WIN"
# The flag button covers 5..15 x 20..30 of the window's 80 x 35 units before any row.
FLAG_X=$((WIDTH * 10 / 80)) FLAG_Y=$((HEIGHT * 25 / 35))
last=$HEIGHT ROW_HEIGHT=
for guess in ABCD EFGH IJKL; do
    xdotool type --delay 60 "$guess" && xdotool key Return
    wait_for "taller window after $guess" taller_than "$MAIN_WIN" "$last"
    ROW_HEIGHT=${ROW_HEIGHT:-$((HEIGHT - last))}
    ((HEIGHT - last == ROW_HEIGHT)) || fail "$guess added $((HEIGHT - last)) px, the first $ROW_HEIGHT"
    last=$HEIGHT
done
sleep 0.5 # the window grows before its rows are painted; keep the picture a player sees
import -window root "$OUT/e2e-shot.png" || fail "no screenshot"

xdotool key Escape
wait_for "question before quitting" new_window "Kelvara" "$NAME_WIN" "$MAIN_WIN"
import -window root "$OUT/e2e-question.png" || fail "no screenshot"
focus "$FOUND" && xdotool key Escape # No: play on
wait_for "the question to close" window_gone "$FOUND"

menu "" d Return # Deutsch, the first dictionary; the game has guesses, so it asks
wait_for "question before switching" new_window "Kelvara" "$NAME_WIN" "$MAIN_WIN"
focus "$FOUND" && xdotool key Return
visit Help Escape "" h
visit "" space "" a # the about box has no title
visit Dictionary Escape "" d Up Return # Info..., the last item of the dictionary popup
# Set Word, offered with Ctrl held; the new game has no guesses, so no question comes first.
geometry "$MAIN_WIN"
last=$HEIGHT
visit Kelvara "a b c d Return" ctrl r
focus "$MAIN_WIN"
xdotool type --delay 60 "ABCD" && xdotool key Return
wait_for "the winning row" taller_than "$MAIN_WIN" "$last"
import -window root "$OUT/e2e-set-word.png" || fail "no screenshot"
xdotool key Escape # the game is won: no question

deadline=$((SECONDS + WAIT))
while running "$PROG_PID"; do
    ((SECONDS < deadline)) || fail "the program still runs $WAIT s after the last Escape"
    sleep 0.2
done
wait "$PROG_PID" || fail "the program ended with status $?"
PROG_PID=
# Failures fall back silently: any output is a Qt warning or a sanitizer report.
[ -s "$TMP/program.log" ] && fail "the program wrote to its output"

SETTINGS='HKEY_CURRENT_USER\Software\Torvane\Kelvara\Settings'
PLAYER='HKEY_LOCAL_MACHINE\Software\Torvane\Kelvara\Players\Tester'
MACHINE='HKEY_LOCAL_MACHINE\Software\Torvane\Kelvara'
expect_value "$USER_REG" "$SETTINGS" '"ProgLang"=dword:00000000'
expect_value "$USER_REG" "$SETTINGS" '"AutoStart"=dword:00000001'
expect_value "$USER_REG" "$SETTINGS" '"LastPlayer"="Tester"'
expect_value "$MACHINE_REG" "$PLAYER" '"Dict"=dword:00000003'
expect_value "$MACHINE_REG" "$PLAYER" '"Sound"=dword:00000001'
expect_value "$MACHINE_REG" "$MACHINE" "\"folder\"=\"$(dirname "$PROGRAM")\""
expect_value "$MACHINE_REG" "$MACHINE" '"version"="1.0.00"'
grep -qi HiScores "$MACHINE_REG" && fail "a game with a word set by hand entered the high scores"
echo "e2e PASSED: played and stored; screenshots in $OUT"
