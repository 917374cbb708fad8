#!/usr/bin/env bash
# Plays the real program in a virtual X server through the accessibility bus alone, as a
# player with a screen reader would: windows and cells are found by role and name, letters
# and Escape are typed, and each result is read from the row's accessible name. Guards
# against controls a screen reader cannot name, results only shown as pictures, and alerts
# that a listener never hears. Usage: by_ear.sh kelvara WORDS_HELPER OUT
set -uo pipefail

PROGRAM=$(realpath "$1")
WORDS=$(realpath "$2")
OUT=$(realpath "$3")
source "$(dirname "$0")/x11_session.sh"
source "$(dirname "$0")/a11y_session.sh"

start_display
start_accessibility_bus
seed_slow_high_score
launch_program "${A11Y_ENV[@]}"
play_by_ear "Blind Bea" keys "import -window root '$OUT/e2e-by-ear-{}.png'"
