#!/bin/bash
# End-to-end run of the built program under a private X server, from a copy of its folder:
# the error box at start (there is no dbxconnections.ini in the copy) comes before the window,
# the window has its exact title, and the process ends with exit code 0 when it is closed.
# Usage: start_and_close.sh BIN_DIR SEND_WINDOW_CLOSE SCENARIO
#   close_box: no Halvern.ini; the window is closed as by its close box.
#   give_up:   with a Halvern.ini; the window is closed by its button "放棄確認".
set -u
BIN_DIR=$1
SEND_WINDOW_CLOSE=$2
SCENARIO=$3
source "$(dirname "$0")/x11_session.sh"

WINDOW_TITLE="銷貨單據回傳確認"
APPLICATION_TITLE="salsendcheck"

fail() {
    echo "FAILED: $*" >&2
    local log
    for log in "$WORK/program.log" "$WORK/xvfb.log"; do
        [ -s "$log" ] && { echo "--- $(basename "$log"):" >&2; cat "$log" >&2; }
    done
    exit 1
}

WORK=$(mktemp -d)
cleanup() {
    [ -n "${PROGRAM_PID:-}" ] && kill "$PROGRAM_PID" 2>/dev/null
    stop_xvfb
    rm -rf "$WORK"
}
trap cleanup EXIT

# The copy of the program folder; $1: yes for a Halvern.ini beside the executable.
install_copy() {
    mkdir "$WORK/program"
    cp -a "$BIN_DIR/." "$WORK/program/"
    rm -f "$WORK/program/Halvern.ini" "$WORK/program/dbxconnections.ini"
    [ "$1" = yes ] && printf '[privite]\r\nuserid=E2E\r\n' >"$WORK/program/Halvern.ini"
    return 0
}

# Starts the copy from another working directory, presses OK on the error box and sets
# MAIN_WINDOW once the window is up.
start_program() {
    mkdir "$WORK/elsewhere"
    (cd "$WORK/elsewhere" && exec "$WORK/program/salsendcheck") >"$WORK/program.log" 2>&1 &
    PROGRAM_PID=$!
    local box
    box=$(wait_for_window "$APPLICATION_TITLE") || fail "no error box at start"
    [ -z "$(visible_windows_titled "$WINDOW_TITLE")" ] || fail "window shown before the error box"
    press_key_in_window "$box" Return
    wait_for_window_gone "$APPLICATION_TITLE" || fail "Return did not close the error box"
    MAIN_WINDOW=$(wait_for_window "$WINDOW_TITLE") || fail "no window after the error box"
}

# The button "放棄確認": left 72, top 4, 89 by 33 in the bottom bar, 41 high.
press_give_up() {
    click_in_window "$MAIN_WINDOW" $((72 + 89 / 2)) $((-41 + 4 + 33 / 2))
}

unset DBX_CONNECTION_REGISTRY_FILE DBX_DRIVER_REGISTRY_FILE ISC_USER ISC_PASSWORD
export QT_QPA_PLATFORM=xcb
start_xvfb "$WORK" || fail "no X server"
case "$SCENARIO" in
close_box)
    install_copy no
    start_program
    close_window "$MAIN_WINDOW" "$SEND_WINDOW_CLOSE" || fail "could not send the close request"
    ;;
give_up)
    install_copy yes
    start_program
    press_give_up || fail "could not click"
    ;;
*) fail "unknown scenario $SCENARIO" ;;
esac
wait_for_exit "$PROGRAM_PID" || fail "the program did not end"
PROGRAM_PID=
[ "$EXIT_CODE" -eq 0 ] || fail "exit code $EXIT_CODE"
echo "PASSED: $SCENARIO"
