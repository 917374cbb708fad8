#!/usr/bin/env bash
# Plays a first start of the real program in a virtual X server, as a player would: the
# English flag, a name, three guesses, Escape and No; through the flag menu another dictionary,
# help, the about box, the dictionary chooser, a won game with a word set by hand and the
# statistics; Escape.
# Then checks what was stored. Guards against a program that cannot be played from start to
# exit, a command of the flag menu that does not reach its window, or a program that forgets
# its settings on the way out. Usage: play_game.sh PATH/TO/kelvara OUTPUT_FOLDER (screenshots)
set -uo pipefail

PROGRAM=$(realpath "$1")
OUT=$(realpath "$2")
source "$(dirname "$0")/x11_session.sh"

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

start_program

choose_english_and_name Tester
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
visit Statistics Escape "" t
xdotool key Escape # the game is won: no question

expect_ended "the last Escape"

PLAYER="$MACHINE\\Players\\Tester"
expect_value "$USER_REG" "$SETTINGS" '"ProgLang"=dword:00000000'
expect_value "$USER_REG" "$SETTINGS" '"AutoStart"=dword:00000001'
expect_value "$USER_REG" "$SETTINGS" '"LastPlayer"="Tester"'
expect_value "$MACHINE_REG" "$PLAYER" '"Dict"=dword:00000003'
expect_value "$MACHINE_REG" "$PLAYER" '"Sound"=dword:00000001'
# The English game given up for Deutsch; the game with the word set by hand is not counted.
expect_value "$MACHINE_REG" "$PLAYER\\Statistics\\EN" '"Abandoned"=dword:00000001'
expect_value "$MACHINE_REG" "$PLAYER\\Statistics" '"Won"=dword:00000000'
expect_value "$MACHINE_REG" "$MACHINE" "\"folder\"=\"$(dirname "$PROGRAM")\""
expect_value "$MACHINE_REG" "$MACHINE" '"version"="1.0.00"'
grep -qi HiScores "$MACHINE_REG" && fail "a game with a word set by hand entered the high scores"
echo "e2e PASSED: played and stored; screenshots in $OUT"
