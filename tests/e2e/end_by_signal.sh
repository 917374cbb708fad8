#!/usr/bin/env bash
# Ends the real program with SIGTERM in the middle of a session, as a logout or a system
# shutdown would: after the language choice, a new player and a won game. Guards against a
# program that keeps its settings, players or high scores only when the player chooses Exit.
# The wall clock is held at a known second (libfaketime), so the first secret word is
# known and the game is won with one guess. Usage: end_by_signal.sh kelvara FIRST_WORD OUT
set -uo pipefail

PROGRAM=$(realpath "$1")
FIRST_WORD=$(realpath "$2")
OUT=$(realpath "$3")
source "$(dirname "$0")/x11_session.sh"

SEED=1767225600 # 2026-01-01 00:00:00 UTC
WORD=$("$FIRST_WORD" "$SEED" 0) || fail "no first word for dictionary 0"

frozen_clock "$SEED"
start_program "${FROZEN_CLOCK[@]}"
choose_english_and_name Signal
last=$HEIGHT
xdotool type --delay 60 "$WORD" && xdotool key Return
wait_for "the winning row" taller_than "$MAIN_WIN" "$last"
sleep 0.5 # the high score notice comes and goes on its own
import -window root "$OUT/e2e-before-signal.png" || fail "no screenshot"

kill -TERM "$PROG_PID"
expect_ended "SIGTERM"

expect_value "$USER_REG" "$SETTINGS" '"ProgLang"=dword:00000000'
expect_value "$USER_REG" "$SETTINGS" '"LastPlayer"="Signal"'
expect_value "$MACHINE_REG" "$MACHINE\\Players\\Signal" '"Dict"=dword:00000000'
grep -q "^\"H01\"=\"[0-9]*;1;Signal;0;$WORD\"" "$MACHINE_REG" ||
    fail "the won game is not the first high score"
echo "e2e PASSED: a session ended by SIGTERM kept its language, player and high score"
