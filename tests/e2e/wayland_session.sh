# Shared by the end-to-end runs natively on Wayland: a headless compositor and no X server.
# Sourced, not run; the caller sets PROGRAM and OUT first.
source "$(dirname "${BASH_SOURCE[0]}")/session.sh"

command -v weston >/dev/null || { echo "e2e skipped: no weston (make deps installs it)"; exit 77; }
ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1 ||
    { echo "e2e skipped: no Qt Wayland platform (make deps installs qt6-wayland)"; exit 77; }

# A compositor that draws into memory.
start_display() {
    make_home
    unset DISPLAY
    XDG_RUNTIME_DIR="$TMP/runtime" weston --backend=headless-backend.so --socket=kelvara-0 \
        --width=1280 --height=1024 --use-pixman --idle-time=0 >"$TMP/weston.log" 2>&1 &
    SERVER_PIDS+=" $!"
    wait_for "Wayland compositor" test -S "$TMP/runtime/kelvara-0"
    # A headless compositor has no seat, and Qt 6.4's Wayland input method then crashes on
    # the first caret it draws; a desktop always has a seat. The compose input method
    # stands in for it.
    DISPLAY_ENV=(WAYLAND_DISPLAY=kelvara-0 QT_QPA_PLATFORM=wayland QT_IM_MODULE=compose)
}
