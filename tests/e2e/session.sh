# Shared by the end-to-end runs: the real program with empty home and XDG folders on a
# display server the caller starts, and ways to wait for it and read its store. Sourced, not
# run; the caller sets PROGRAM and OUT first.
WAIT=25 # seconds for any one step; a busy two-core machine needs the room
TMP=$(mktemp -d)
USER_REG=$TMP/config/Torvane/Kelvara.reg
MACHINE_REG=$TMP/data/Torvane/Kelvara/machine.reg
SERVER_PIDS= PROG_PID=
# How the program reaches its display server, set by whoever starts that.
DISPLAY_ENV=()

fail() {
    echo "e2e FAILED: $*" >&2
    for f in "$TMP"/*.log "$USER_REG" "$MACHINE_REG"; do
        [ -s "$f" ] && { echo "--- $f" >&2; cat "$f" >&2; }
    done
    exit 1
}
cleanup() {
    [ -n "$PROG_PID" ] && kill -TERM "$PROG_PID" 2>/dev/null
    for pid in $SERVER_PIDS; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$TMP"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

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

# Checks that section [key] of a store file holds exactly this line.
expect_value() {
    SECTION="[$2]" LINE=$3 awk '/^\[/ { inside = ($0 == ENVIRON["SECTION"]); next }
        inside && $0 == ENVIRON["LINE"] { found = 1 } END { exit !found }' "$1" 2>/dev/null ||
        fail "$1 lacks $3 under [$2]"
}

make_home() {
    mkdir -p "$TMP"/{home,config,data,cache} "$OUT" && mkdir -m 700 "$TMP"/runtime
}

# Starts the program on the display server as PROG_PID. Extra arguments go before the
# program, as VAR=value settings of its environment.
launch_program() {
    # Empty home and XDG folders; a session bus only where the caller gives one.
    env -i PATH="$PATH" LANG=C.UTF-8 "${DISPLAY_ENV[@]}" HOME="$TMP/home" \
        XDG_CONFIG_HOME="$TMP/config" XDG_DATA_HOME="$TMP/data" XDG_CACHE_HOME="$TMP/cache" \
        XDG_RUNTIME_DIR="$TMP/runtime" "$@" timeout 110 "$PROGRAM" >>"$TMP/program.log" 2>&1 &
    PROG_PID=$!
}

# Waits for the program to end and checks it said nothing.
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

SETTINGS='HKEY_CURRENT_USER\Software\Torvane\Kelvara\Settings'
MACHINE='HKEY_LOCAL_MACHINE\Software\Torvane\Kelvara'
