#!/usr/bin/env bash
# Runs a widget test program natively on Wayland, in weston drawn into a virtual X server: a
# headless weston has no seat, and does not maximise a window as a desktop's weston does.
# Usage: on_wayland.sh OUT PROGRAM [ARGUMENT...]
set -uo pipefail

OUT=$(realpath "$1")
shift
source "$(dirname "$0")/x11_session.sh"
command -v weston >/dev/null || { echo "e2e skipped: no weston (make deps installs it)"; exit 77; }
ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1 ||
    { echo "e2e skipped: no Qt Wayland platform (make deps installs qt6-wayland)"; exit 77; }

start_display
XDG_RUNTIME_DIR="$TMP/runtime" weston --backend=x11-backend.so --socket=kelvara-0 \
    --width=1024 --height=700 --use-pixman --idle-time=0 >"$TMP/weston.log" 2>&1 &
SERVER_PIDS+=" $!"
wait_for "Wayland compositor" test -S "$TMP/runtime/kelvara-0"
# The test program makes a runtime folder of its own, so the compositor is named by its path.
env -u DISPLAY KELVARA_TEST_PLATFORM=wayland WAYLAND_DISPLAY="$TMP/runtime/kelvara-0" "$@" ||
    fail "$(basename "$1") failed on Wayland"
