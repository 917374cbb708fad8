#!/usr/bin/env bash
# Plays a short game with the real program in a virtual X server, the way a player does
# on a first start: the English flag, a name, three guesses, Escape and Yes. Then checks
# what the program stored. Guards against a program that cannot be played from start to
# exit, or that forgets its settings on the way out.
#
# Usage: play_game.sh PATH/TO/kelvara OUTPUT_FOLDER (the screenshots stay there)
set -uo pipefail

PROGRAM=$(realpath "$1")
OUT=$(realpath "$2")
WAIT=25 # seconds for any one step; a busy two-core machine needs the room

log() { echo "e2e: $*"; }

fail() {
    echo "e2e FAILED: $*" >&2
    for f in "$TMP"/xvfb.log "$TMP"/program.log "$USER_REG" "$MACHINE_REG"; do
        [ -s "$f" ] && { echo "--- $f" >&2; cat "$f" >&2; }
    done
    exit 1
}

for tool in Xvfb xdotool import; do
    if ! command -v "$tool" >/dev/null; then
        echo "e2e skipped: $tool is missing (make deps installs it)"
        exit 77
    fi
done
# The program keeps its machine store there whenever it may; this run must not touch it.
if [ -d /var/games/kelvara ] && [ -w /var/games/kelvara ]; then
    echo "e2e FAILED: /var/games/kelvara exists and is writable, so the program would keep" \
        "its players there, outside this test's folder. Run the test as a user who may" \
        "not write there." >&2
    exit 1
fi

TMP=$(mktemp -d)
USER_REG=$TMP/config/Torvane/Kelvara.reg
MACHINE_REG=$TMP/data/Torvane/Kelvara/machine.reg
XVFB_PID=
PROG_PID=
cleanup() {
    # timeout passes TERM on to the program
    [ -n "$PROG_PID" ] && kill -TERM "$PROG_PID" 2>/dev/null
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$TMP"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

# A child that has ended stays a zombie until waited for, and kill -0 still finds it.
running() {
    local state
    state=$(ps -o stat= -p "$1" 2>/dev/null) && [[ $state != Z* ]]
}

# Runs a command until it succeeds, for at most $WAIT seconds; fails with the message.
wait_for() {
    local what=$1
    shift
    local deadline=$((SECONDS + WAIT))
    until "$@"; do
        [ -n "$PROG_PID" ] && ! running "$PROG_PID" && fail "the program ended while waiting for $what"
        ((SECONDS < deadline)) || fail "no $what after $WAIT s"
        sleep 0.2
    done
}

# Sets FOUND to a visible window with exactly this title that is none of the windows given.
find_new_window() {
    local title=$1
    shift
    local id
    for id in $(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null); do
        [[ " $* " == *" $id "* ]] || { FOUND=$id; return 0; }
    done
    return 1
}

# Sets WIDTH and HEIGHT (and X, Y) of a window.
read_geometry() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
}

height_above() {
    read_geometry "$1"
    ((HEIGHT > $2))
}

# Keyboard input goes to the focused window; there is no window manager to give it.
focus() {
    xdotool windowfocus --sync "$1" || fail "cannot focus window $1"
}

# Checks that the section [key] of a store file holds exactly this line.
expect_value() {
    local file=$1 key=$2 line=$3
    [ -f "$file" ] || fail "no store file $file"
    SECTION="[$key]" LINE=$line awk '
        { sub(/\r$/, "") }
        /^\[/ { inside = ($0 == ENVIRON["SECTION"]); next }
        inside && $0 == ENVIRON["LINE"] { found = 1 }
        END { exit !found }' "$file" || fail "$file lacks $line under [$key]"
}

mkdir -p "$TMP"/home "$TMP"/config "$TMP"/data "$TMP"/cache "$OUT"
mkdir -m 700 "$TMP"/runtime

# -displayfd picks a free display and reports it once the server accepts clients.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$TMP/display" 2>"$TMP/xvfb.log" &
XVFB_PID=$!
wait_for "virtual X server" test -s "$TMP/display"
read -r DISPLAY_NUMBER <"$TMP/display"
export DISPLAY=:$DISPLAY_NUMBER
log "X server on $DISPLAY"

# A clean environment: empty home and XDG folders, no session bus, no Wayland.
env -i PATH="$PATH" LANG=C.UTF-8 DISPLAY="$DISPLAY" QT_QPA_PLATFORM=xcb \
    HOME="$TMP/home" XDG_CONFIG_HOME="$TMP/config" XDG_DATA_HOME="$TMP/data" \
    XDG_CACHE_HOME="$TMP/cache" XDG_RUNTIME_DIR="$TMP/runtime" \
    ${ASAN_OPTIONS:+ASAN_OPTIONS="$ASAN_OPTIONS"} ${UBSAN_OPTIONS:+UBSAN_OPTIONS="$UBSAN_OPTIONS"} \
    timeout 110 "$PROGRAM" >"$TMP/program.log" 2>&1 &
PROG_PID=$!

wait_for "\"Select Language\" window" find_new_window "Select Language"
LANG_WIN=$FOUND
read_geometry "$LANG_WIN"
# The English flag button covers 6..24 of the dialog's 96 x 54 units; aim at its middle.
CLICK_X=$((WIDTH * 15 / 96))
CLICK_Y=$((HEIGHT * 15 / 54))
log "language chooser ${WIDTH}x$HEIGHT; clicking English at $CLICK_X,$CLICK_Y"
xdotool mousemove --window "$LANG_WIN" --sync "$CLICK_X" "$CLICK_Y" click 1

wait_for "name dialog" find_new_window "Kelvara" "$LANG_WIN"
NAME_WIN=$FOUND
log "name dialog; typing Tester"
focus "$NAME_WIN"
xdotool type --delay 60 "Tester"
xdotool key Return

wait_for "main window" find_new_window "Kelvara" "$NAME_WIN"
MAIN_WIN=$FOUND
read_geometry "$MAIN_WIN"
EMPTY_HEIGHT=$HEIGHT
log "main window ${WIDTH}x$HEIGHT"
focus "$MAIN_WIN"

ROW_HEIGHT=
last=$EMPTY_HEIGHT
for guess in ABCD EFGH IJKL; do
    xdotool type --delay 60 "$guess"
    xdotool key Return
    wait_for "taller window after $guess" height_above "$MAIN_WIN" "$last"
    grown=$((HEIGHT - last))
    log "$guess: window height $HEIGHT (+$grown)"
    [ -z "$ROW_HEIGHT" ] && ROW_HEIGHT=$grown
    ((grown == ROW_HEIGHT)) || fail "guess $guess added $grown pixels, the first one $ROW_HEIGHT"
    last=$HEIGHT
done
sleep 0.5 # the window grows before its rows are painted; keep the picture a player sees
import -window root "$OUT/e2e-shot.png" || fail "no screenshot"

xdotool key Escape
wait_for "question before quitting" find_new_window "Kelvara" "$NAME_WIN" "$MAIN_WIN"
QUESTION_WIN=$FOUND
import -window root "$OUT/e2e-question.png" || fail "no screenshot"
log "question shown; answering Yes"
focus "$QUESTION_WIN"
xdotool key Return

deadline=$((SECONDS + WAIT))
while running "$PROG_PID"; do
    ((SECONDS < deadline)) || fail "the program still runs $WAIT s after Yes"
    sleep 0.2
done
wait "$PROG_PID"
status=$?
PROG_PID=
((status == 0)) || fail "the program ended with status $status"
# Failures fall back silently: any output is a Qt warning or a sanitizer report.
[ -s "$TMP/program.log" ] && fail "the program wrote to its output"
log "program ended"

expect_value "$USER_REG" 'HKEY_CURRENT_USER\Software\Torvane\Kelvara\Settings' '"ProgLang"=dword:00000000'
expect_value "$USER_REG" 'HKEY_CURRENT_USER\Software\Torvane\Kelvara\Settings' '"AutoStart"=dword:00000001'
expect_value "$USER_REG" 'HKEY_CURRENT_USER\Software\Torvane\Kelvara\Settings' '"LastPlayer"="Tester"'
PLAYER_KEY='HKEY_LOCAL_MACHINE\Software\Torvane\Kelvara\Players\Tester'
expect_value "$MACHINE_REG" "$PLAYER_KEY" '"Dict"=dword:00000000'
expect_value "$MACHINE_REG" "$PLAYER_KEY" '"Sound"=dword:00000001'
expect_value "$MACHINE_REG" "$PLAYER_KEY" '"Lower"=dword:00000000'
PROGRAM_KEY='HKEY_LOCAL_MACHINE\Software\Torvane\Kelvara'
expect_value "$MACHINE_REG" "$PROGRAM_KEY" "\"folder\"=\"$(dirname "$PROGRAM")\""
expect_value "$MACHINE_REG" "$PROGRAM_KEY" '"version"="1.0.00"'
log "store files hold the settings; screenshots in $OUT"
echo "e2e PASSED"
