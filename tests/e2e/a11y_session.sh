# Shared by the runs that play through the accessibility bus: a private session bus with the
# desktop's accessibility bus on it, and the driver that plays by ear. Sourced after the
# display's session script; the caller sets WORDS to the word list helper.
for need in dbus-daemon /usr/libexec/at-spi-bus-launcher; do
    command -v "$need" >/dev/null || { echo "e2e skipped: no $need (make deps installs it)"; exit 77; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null ||
    { echo "e2e skipped: no pyatspi (make deps installs python3-pyatspi)"; exit 77; }

# Starts the buses; the program and the driver find them through A11Y_ENV.
start_accessibility_bus() {
    dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$TMP/bus" 2>"$TMP/dbus.log" &
    SERVER_PIDS+=" $!"
    wait_for "session bus" test -s "$TMP/bus"
    export DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$TMP/bus")
    /usr/libexec/at-spi-bus-launcher >"$TMP/at-spi.log" 2>&1 &
    SERVER_PIDS+=" $!"
    # Qt offers its widgets on the bus only when a screen reader is said to be running.
    A11Y_ENV=(DBUS_SESSION_BUS_ADDRESS="$DBUS_SESSION_BUS_ADDRESS" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1)
}

# A slow game already in the table, so that the driver's win earns the high score note.
seed_slow_high_score() {
    mkdir -p "$(dirname "$MACHINE_REG")"
    printf '%s\n' 'Windows Registry Editor Version 5.00' '' "[$MACHINE\\HiScores]" \
        '"H01"="3599;15;Slow Sam;0;WORD"' >"$MACHINE_REG"
}

# Plays by ear as player $1, with input $2 (keys or text), in the language whose flag is named
# $3, which is dictionary $4, with its catalog $5 (none for English).
play_by_ear() {
    "$WORDS" "$4" >"$TMP/words" || fail "no word list for dictionary $4"
    /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/by_ear.py" --words "$TMP/words" \
        --name "$1" --input "$2" --language "$3" ${5:+--catalog "$5"} ||
        fail "the game played by ear"
    expect_ended "the question answered Yes"
    expect_value "$USER_REG" "$SETTINGS" "\"LastPlayer\"=\"$1\""
    grep -q "^\"H01\"=\"[0-9]*;[0-9]*;$1;$4;[A-Z]*\"" "$MACHINE_REG" ||
        fail "the won game is not first in the high score table"
    grep -q '^"H02"="3599;15;Slow Sam;0;WORD"' "$MACHINE_REG" ||
        fail "the earlier high score did not move down"
}
