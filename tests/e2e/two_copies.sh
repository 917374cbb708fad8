#!/usr/bin/env bash
# Two copies of the real program in one home, each winning a game, then ending in the order
# given (first or last: whether the copy started first also ends first). Guards against a
# copy that writes the high score table it loaded at start and so drops the other's entry.
# Usage: two_copies.sh kelvara FIRST_WORD OUT first|last
set -uo pipefail

PROGRAM=$(realpath "$1")
FIRST_WORD=$(realpath "$2")
OUT=$(realpath "$3")
ORDER=$4
source "$(dirname "$0")/x11_session.sh"

SEED_A=1767225600 SEED_B=1767229200 # an hour apart: two different first words, as a rule
WORD_A=$("$FIRST_WORD" "$SEED_A" 0) && WORD_B=$("$FIRST_WORD" "$SEED_B" 0) ||
    fail "no first word for dictionary 0"

# Copy A asks for the language and a name; copy B, started once A is playing, offers that
# player in its chooser, and Enter takes it.
frozen_clock "$SEED_A"
start_program "${FROZEN_CLOCK[@]}"
PID_A=$PROG_PID
choose_english_and_name Twin
WIN_A=$MAIN_WIN HEIGHT_A=$HEIGHT
frozen_clock "$SEED_B"
launch_program "${FROZEN_CLOCK[@]}"
PID_B=$PROG_PID OTHER_PIDS=$PID_A
wait_for "player chooser of the second copy" new_window "Kelvara" "$LANG_WIN" "$NAME_WIN" "$WIN_A"
focus "$FOUND" && xdotool key Return
CHOOSER_B=$FOUND
wait_for "main window of the second copy" new_window "Kelvara" "$LANG_WIN" "$NAME_WIN" \
    "$WIN_A" "$CHOOSER_B"
WIN_B=$FOUND
geometry "$WIN_B"
HEIGHT_B=$HEIGHT

win() { # window, its height, word
    focus "$1"
    xdotool type --delay 60 "$3" && xdotool key Return
    wait_for "the winning row" taller_than "$1" "$2"
    sleep 2 # the high score notice closes by itself
}
win "$WIN_A" "$HEIGHT_A" "$WORD_A"
win "$WIN_B" "$HEIGHT_B" "$WORD_B"
import -window root "$OUT/e2e-two-copies-$ORDER.png" || fail "no screenshot"

end_copy() { # window, pid
    focus "$1" && xdotool key Escape # a won game: no question
    PROG_PID=$2 OTHER_PIDS=
    expect_ended "Escape in a copy"
}
if [ "$ORDER" = first ]; then
    end_copy "$WIN_A" "$PID_A"
    OTHER_PIDS=$PID_B
    end_copy "$WIN_B" "$PID_B"
else
    end_copy "$WIN_B" "$PID_B"
    OTHER_PIDS=$PID_A
    end_copy "$WIN_A" "$PID_A"
fi

for word in "$WORD_A" "$WORD_B"; do
    grep -q "^\"H0[12]\"=\"[0-9]*;1;Twin;0;$word\"" "$MACHINE_REG" ||
        fail "the high scores lack the game won with $word"
done
echo "e2e PASSED: both copies' won games are in the high scores (the copy started $ORDER ended first)"
