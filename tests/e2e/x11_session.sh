# Shared by the end-to-end runs: a virtual X server, the real program with empty home and XDG
# folders, and ways to wait for its windows and read its store. Sourced, not run; the caller
# sets PROGRAM and OUT first.
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
    for pid in $PROG_PID ${OTHER_PIDS:-}; do kill -TERM "$pid" 2>/dev/null; done
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

# Checks that section [key] of a store file holds exactly this line.
expect_value() {
    SECTION="[$2]" LINE=$3 awk '/^\[/ { inside = ($0 == ENVIRON["SECTION"]); next }
        inside && $0 == ENVIRON["LINE"] { found = 1 } END { exit !found }' "$1" 2>/dev/null ||
        fail "$1 lacks $3 under [$2]"
}

# Starts the virtual X server and the program in it; extra arguments go before the program,
# as VAR=value settings of its environment.
start_display() {
    mkdir -p "$TMP"/{home,config,data,cache} "$OUT" && mkdir -m 700 "$TMP"/runtime
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$TMP/display" 2>"$TMP/xvfb.log" &
    XVFB_PID=$!
    wait_for "virtual X server" test -s "$TMP/display"
    export DISPLAY=:$(<"$TMP/display")
}

# Starts (another copy of) the program on that display; PROG_PID names the newest copy.
launch_program() {
    # Empty home and XDG folders, no session bus, no Wayland.
    env -i PATH="$PATH" LANG=C.UTF-8 DISPLAY="$DISPLAY" QT_QPA_PLATFORM=xcb HOME="$TMP/home" \
        XDG_CONFIG_HOME="$TMP/config" XDG_DATA_HOME="$TMP/data" XDG_CACHE_HOME="$TMP/cache" \
        XDG_RUNTIME_DIR="$TMP/runtime" "$@" timeout 110 "$PROGRAM" >>"$TMP/program.log" 2>&1 &
    PROG_PID=$!
}

start_program() {
    start_display
    launch_program "$@"
}

# Waits for the program (copy PROG_PID) to end by itself and checks it said nothing.
expect_ended() {
    local deadline=$((SECONDS + WAIT))
    while running "$PROG_PID"; do
        ((SECONDS < deadline)) || fail "the program still runs $WAIT s after $1"
        sleep 0.2
    done
    wait "$PROG_PID" || fail "the program ended with status $?"
    PROG_PID=
    # Failures fall back silently: any output is a Qt warning or a sanitizer report.
    [ -s "$TMP/program.log" ] && fail "the program wrote to its output"
}

# Clicks the English flag of the language chooser and enters a name.
choose_english_and_name() {
    wait_for "language chooser" new_window "Select Language"
    LANG_WIN=$FOUND
    geometry "$LANG_WIN"
    # The English flag button covers 6..24 of the dialog's 96 x 54 units: aim at its middle.
    xdotool mousemove --window "$LANG_WIN" --sync $((WIDTH * 15 / 96)) $((HEIGHT * 15 / 54)) click 1
    wait_for "name dialog" new_window "Kelvara" "$LANG_WIN"
    NAME_WIN=$FOUND
    focus "$NAME_WIN"
    xdotool type --delay 60 "$1" && xdotool key Return
    wait_for "main window" new_window "Kelvara" "$NAME_WIN"
    MAIN_WIN=$FOUND
    geometry "$MAIN_WIN"
    focus "$MAIN_WIN"
}

# Sets FROZEN_CLOCK to the environment settings that hold the program's wall clock at Unix
# time $1 (libfaketime), so that its first secret word is the one kelvara_first_word names
# for that second; its monotonic clocks, and so its timers, run on. Skips the run without it.
frozen_clock() {
    local lib
    lib=$(ls /usr/lib/*/faketime/libfaketime.so.1 2>/dev/null | head -n 1)
    [ -n "$lib" ] || { echo "e2e skipped: no libfaketime (make deps installs it)"; exit 77; }
    FROZEN_CLOCK=(LD_PRELOAD="$lib" "FAKETIME=$(date -u -d "@$1" '+%Y-%m-%d %H:%M:%S')"
        FAKETIME_DONT_FAKE_MONOTONIC=1 TZ=UTC)
}

SETTINGS='HKEY_CURRENT_USER\Software\Torvane\Kelvara\Settings'
MACHINE='HKEY_LOCAL_MACHINE\Software\Torvane\Kelvara'
