#!/usr/bin/env bash
# Plays the real program through the accessibility bus alone, as a player with a screen
# reader would: windows and cells are found by role and name, and each result is read from
# the row's accessible name. In a virtual X server letters and Escape are typed; natively on
# Wayland, with no X server at all, cells are filled and buttons pressed through the bus and
# Exit is chosen from the flag menu. Guards against controls a screen reader cannot name,
# results only shown as pictures, alerts a listener never hears, and a program that needs X
# or a window position Wayland does not give. Usage: by_ear.sh kelvara WORDS_HELPER OUT x11|wayland
set -uo pipefail

PROGRAM=$(realpath "$1")
WORDS=$(realpath "$2")
OUT=$(realpath "$3")
DISPLAY_KIND=$4
source "$(dirname "$0")/${DISPLAY_KIND}_session.sh"
source "$(dirname "$0")/a11y_session.sh"

start_display
start_accessibility_bus
seed_slow_high_score
launch_program "${A11Y_ENV[@]}"
if [ "$DISPLAY_KIND" = x11 ]; then
    play_by_ear "Blind Bea" keys
else
    play_by_ear "Wendy Way" text
fi
