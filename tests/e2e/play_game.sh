#!/usr/bin/env bash
# What only the real program on a real X display shows: a first start played with mouse and
# keys (F1, F2, the Menu key) to a won first game, whose word a known seed (KELVARA_SEED) gives
# away, then SIGTERM, as a logout: settings, player and score are kept.
# Usage: play_game.sh PATH/TO/kelvara PATH/TO/kelvara_words OUTPUT_FOLDER (screenshots)
set -uo pipefail

PROGRAM=$(realpath "$1")
WORDS=$(realpath "$2")
OUT=$(realpath "$3")
source "$(dirname "$0")/x11_session.sh"

# Chooses from the flag menu, opened with a click on the flag, by keys.
menu() {
    focus "$MAIN_WIN"
    # Without --sync: that waits for a move, and the pointer is already there the second time.
    xdotool mousemove --window "$MAIN_WIN" "$FLAG_X" "$FLAG_Y" sleep 0.2 click 1
    sleep 0.5 # the menu opens on the press; keys typed before would reach the window
    xdotool key --delay 150 "$@"
}

SEED=1767225600
WORD=$("$WORDS" 0 "$SEED") || fail "no first word for dictionary 0"
start_display
launch_program KELVARA_SEED="$SEED"

choose_english_and_name Tester
# The flag button covers 5..15 x 20..30 of the window's 80 x 35 units before any row.
FLAG_X=$((WIDTH * 10 / 80)) FLAG_Y=$((HEIGHT * 25 / 35))
last=$HEIGHT
xdotool type --delay 60 "$WORD" && xdotool key Return
wait_for "the winning row" taller_than "$MAIN_WIN" "$last"
sleep 2 # the high score notice closes by itself
# F2 after a win starts the next game unasked: the board empties.
xdotool key F2
wait_for "a new game from F2" eval 'geometry "$MAIN_WIN" && ((HEIGHT == last))'
ROW_HEIGHT=
for guess in ABCD EFGH IJKL; do
    xdotool type --delay 60 "$guess" && xdotool key Return
    wait_for "taller window after $guess" taller_than "$MAIN_WIN" "$last"
    ROW_HEIGHT=${ROW_HEIGHT:-$((HEIGHT - last))}
    ((HEIGHT - last == ROW_HEIGHT)) || fail "$guess added $((HEIGHT - last)) px, the first $ROW_HEIGHT"
    last=$HEIGHT
done
sleep 0.5 # the window grows before its rows are painted; keep the picture a player sees
import -window root "$OUT/e2e-shot.png" || fail "no screenshot"

# A click on the flag and Escape leave the keys with the letter cells: the next guess scores.
xdotool mousemove --window "$MAIN_WIN" "$FLAG_X" "$FLAG_Y" sleep 0.2 click 1 sleep 0.5 key Escape
xdotool type --delay 60 "MNOP" && xdotool key Return
wait_for "a row for the guess typed after the menu" taller_than "$MAIN_WIN" "$last"
# The Menu key opens the flag menu: one more window on the screen until Escape.
windows=$(xdotool search --onlyvisible --name '' 2>/dev/null | wc -l)
more_windows() { (($(xdotool search --onlyvisible --name '' 2>/dev/null | wc -l) > windows)); }
xdotool key Menu
wait_for "the flag menu from the Menu key" more_windows
import -window root "$OUT/e2e-menu-key.png" || fail "no screenshot"
xdotool key Escape

# F1 opens help; Escape closes it.
xdotool key F1
wait_for "help from F1" new_window Help
focus "$FOUND" && xdotool key Escape
wait_for "help to close" window_gone "$FOUND"

focus "$MAIN_WIN" && xdotool key Escape
wait_for "question before quitting" new_window "Kelvara" "$NAME_WIN" "$MAIN_WIN"
import -window root "$OUT/e2e-question.png" || fail "no screenshot"
focus "$FOUND" && xdotool key Escape # No: play on
wait_for "the question to close" window_gone "$FOUND"

menu d Return # Deutsch, the first dictionary; the game has guesses, so it asks
wait_for "question before switching" new_window "Kelvara" "$NAME_WIN" "$MAIN_WIN"
focus "$FOUND" && xdotool key Return
menu t # the statistics, a command the application handles
wait_for "statistics from the menu" new_window Statistics
focus "$FOUND" && xdotool key Escape
wait_for "statistics to close" window_gone "$FOUND"

# A guess in German, then SIGTERM, as a logout: that game counts as given up.
geometry "$MAIN_WIN" && focus "$MAIN_WIN" && xdotool type --delay 60 qzxj && xdotool key Return
wait_for "a German guess row" taller_than "$MAIN_WIN" "$HEIGHT"
kill -TERM "$PROG_PID"
expect_ended "SIGTERM"

PLAYER="$MACHINE\\Players\\Tester"
expect_value "$USER_REG" "$SETTINGS" '"ProgLang"=dword:00000000'
expect_value "$USER_REG" "$SETTINGS" '"AutoStart"=dword:00000001'
expect_value "$USER_REG" "$SETTINGS" '"LastPlayer"="Tester"'
expect_value "$MACHINE_REG" "$PLAYER" '"Dict"=dword:00000003'
expect_value "$MACHINE_REG" "$PLAYER" '"Sound"=dword:00000001'
# The first game won, the next given up for Deutsch.
expect_value "$MACHINE_REG" "$PLAYER\\Statistics\\EN" '"Abandoned"=dword:00000001'
expect_value "$MACHINE_REG" "$PLAYER\\Statistics\\DE" '"Abandoned"=dword:00000001'
expect_value "$MACHINE_REG" "$PLAYER\\Statistics" '"Won"=dword:00000001'
expect_value "$MACHINE_REG" "$MACHINE" "\"folder\"=\"$(dirname "$PROGRAM")\""
expect_value "$MACHINE_REG" "$MACHINE" '"version"="1.0.00"'
grep -q "^\"H01\"=\"[0-9]*;1;Tester;0;$WORD\"" "$MACHINE_REG" ||
    fail "the won game is not the first high score"
echo "e2e PASSED: played, ended by SIGTERM and stored; screenshots in $OUT"
