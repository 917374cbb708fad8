#!/usr/bin/env bash
# What only the real program on the accessibility bus shows: it is played by role and name
# alone, with keys in a virtual X server in English, and natively on Wayland through the bus
# with no X in German, every name heard as the German catalog has it.
# Usage: by_ear.sh kelvara WORDS_HELPER OUT x11|wayland
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
    play_by_ear "Blind Bea" keys English 0
else
    play_by_ear "Wendy Weg" text Deutsch 3 "$(dirname "$0")/../../res/i18n/kelvara_de.ts"
fi
