#!/usr/bin/env bash
# Plays the real program natively on Wayland, in a headless compositor and without any X
# server: everything goes through the accessibility bus, cells are filled and buttons pressed
# there, and Exit is chosen from the flag menu. Guards against a program that needs X, or a
# window position Wayland does not give, to start, play and store. Usage:
# wayland_by_ear.sh kelvara WORDS_HELPER OUT
set -uo pipefail

PROGRAM=$(realpath "$1")
WORDS=$(realpath "$2")
OUT=$(realpath "$3")
source "$(dirname "$0")/session.sh"
source "$(dirname "$0")/a11y_session.sh"

command -v weston >/dev/null || { echo "e2e skipped: no weston (make deps installs it)"; exit 77; }
ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1 ||
    { echo "e2e skipped: no Qt Wayland platform (make deps installs qt6-wayland)"; exit 77; }

# A compositor that draws into memory; its debug protocol lets the screenshooter in.
start_compositor() {
    make_home
    unset DISPLAY
    XDG_RUNTIME_DIR="$TMP/runtime" weston --backend=headless-backend.so --socket=kelvara-0 \
        --width=1280 --height=1024 --use-pixman --debug --idle-time=0 >"$TMP/weston.log" 2>&1 &
    SERVER_PIDS+=" $!"
    wait_for "Wayland compositor" test -S "$TMP/runtime/kelvara-0"
    # A headless compositor has no seat, and Qt 6.4's Wayland input method then crashes on
    # the first caret it draws; a desktop always has a seat. The compose input method
    # stands in for it.
    DISPLAY_ENV=(WAYLAND_DISPLAY=kelvara-0 QT_QPA_PLATFORM=wayland QT_IM_MODULE=compose)
}

# Keeps the screen as the compositor has it: the screenshooter names its file by the time.
SCREENSHOT="cd '$TMP' && XDG_RUNTIME_DIR='$TMP/runtime' WAYLAND_DISPLAY=kelvara-0 weston-screenshooter \
    && mv wayland-screenshot-*.png '$OUT/e2e-wayland-{}.png'"

start_compositor
start_accessibility_bus
seed_slow_high_score
launch_program "${A11Y_ENV[@]}"
play_by_ear "Wendy Way" text "$SCREENSHOT"
