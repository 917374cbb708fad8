# Shared by the end-to-end runs in a virtual X server: ways to find, wait for and work its
# windows. Sourced, not run; the caller sets PROGRAM and OUT first.
source "$(dirname "${BASH_SOURCE[0]}")/session.sh"

for tool in Xvfb xdotool import; do
    command -v "$tool" >/dev/null || { echo "e2e skipped: no $tool (make deps installs it)"; exit 77; }
done

# Sets FOUND to a visible window with exactly this title that is none of the others given.
new_window() {
    local title=$1 id
    shift
    for id in $(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null); do
        [[ " $* " == *" $id "* ]] || { FOUND=$id; return 0; }
    done
    return 1
}
geometry() { eval "$(xdotool getwindowgeometry --shell "$1")"; } # sets WIDTH, HEIGHT
taller_than() { geometry "$1" && ((HEIGHT > $2)); }
focus() { xdotool windowfocus --sync "$1" || fail "cannot focus window $1"; } # there is no WM
window_gone() { ! xdotool search --onlyvisible --name '' 2>/dev/null | grep -qx "$1"; }

# Starts the virtual X server.
start_display() {
    make_home
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$TMP/display" 2>"$TMP/xvfb.log" &
    SERVER_PIDS+=" $!"
    wait_for "virtual X server" test -s "$TMP/display"
    export DISPLAY=:$(<"$TMP/display")
    DISPLAY_ENV=(DISPLAY="$DISPLAY" QT_QPA_PLATFORM=xcb)
}


# Clicks the English flag of the language chooser and enters a name.
choose_english_and_name() {
    wait_for "language chooser" new_window "Select Language"
    LANG_WIN=$FOUND
    focus "$LANG_WIN"
    xdotool key space # the English flag has the focus
    wait_for "name dialog" new_window "Kelvara" "$LANG_WIN"
    NAME_WIN=$FOUND
    focus "$NAME_WIN"
    xdotool type --delay 60 "$1" && xdotool key Return
    wait_for "main window" new_window "Kelvara" "$NAME_WIN"
    MAIN_WIN=$FOUND
    geometry "$MAIN_WIN"
    focus "$MAIN_WIN"
}
