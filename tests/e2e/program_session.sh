# Functions to run a copy of the built program under a private X server and press its buttons;
# sourced by the end-to-end runs after x11_session.sh. The caller sets BIN_DIR, calls
# begin_session once, and ends with finish_with_exit_code.

WINDOW_TITLE="銷貨單據回傳確認"
APPLICATION_TITLE="salsendcheck"
BAR_HEIGHT=41

fail() {
    echo "FAILED: $*" >&2
    local log
    for log in "$WORK/program.log" "$WORK/xvfb.log"; do
        [ -s "$log" ] && { echo "--- $(basename "$log"):" >&2; cat "$log" >&2; }
    done
    exit 1
}

# Makes the work folder and the X server; everything started here is ended on exit.
begin_session() {
    WORK=$(mktemp -d)
    trap end_session EXIT
    unset DBX_CONNECTION_REGISTRY_FILE DBX_DRIVER_REGISTRY_FILE ISC_USER ISC_PASSWORD
    export QT_QPA_PLATFORM=xcb
    start_xvfb "$WORK" || fail "no X server"
}

end_session() {
    [ -n "${PROGRAM_PID:-}" ] && kill "$PROGRAM_PID" 2>/dev/null
    stop_xvfb
    rm -rf "$WORK"
}

# The copy of the program folder, without configuration beside the executable.
install_copy() {
    PROGRAM_DIR=$WORK/program
    mkdir "$PROGRAM_DIR"
    cp -a "$BIN_DIR/." "$PROGRAM_DIR/"
    rm -f "$PROGRAM_DIR/Halvern.ini" "$PROGRAM_DIR/dbxconnections.ini"
}

# Halvern.ini beside the copy; $1: the user id, in Big5 bytes.
write_user_id() {
    printf '[privite]\r\nuserid=%s\r\n' "$1" >"$PROGRAM_DIR/Halvern.ini"
}

# dbxconnections.ini beside the copy; $1: Database, $2: Password.
write_connection_file() {
    printf '[Quenby]\r\nDriverName=Interbase\r\nDatabase=%s\r\nUser_Name=SYSDBA\r\nPassword=%s\r\nSQLDialect=3\r\n' \
        "$1" "$2" >"$PROGRAM_DIR/dbxconnections.ini"
}

# Starts the copy from another working directory, so that only the folder of the executable
# can supply its configuration.
start_program() {
    mkdir -p "$WORK/elsewhere"
    (cd "$WORK/elsewhere" && exec "$PROGRAM_DIR/salsendcheck") >"$WORK/program.log" 2>&1 &
    PROGRAM_PID=$!
}

# Expects the error box before the window, presses OK on it and sets MAIN_WINDOW.
pass_error_box() {
    local box
    box=$(wait_for_window "$APPLICATION_TITLE") || fail "no error box at start"
    has_no_window_titled "$WINDOW_TITLE" || fail "window shown before the error box"
    press_key_in_window "$box" Return
    wait_for_window_gone "$APPLICATION_TITLE" || fail "Return did not close the error box"
    MAIN_WINDOW=$(wait_for_window "$WINDOW_TITLE") || fail "no window after the error box"
}

# Expects the window with no error box and sets MAIN_WINDOW.
expect_window_without_error() {
    MAIN_WINDOW=$(wait_for_window "$WINDOW_TITLE") || fail "no window"
    has_no_window_titled "$APPLICATION_TITLE" || fail "an error box at start"
}

# Clicks the middle of a button; $1, $2: its left and top in its bar, $3, $4: its size,
# $5: top or bottom bar.
click_button() {
    local x=$(($1 + $3 / 2)) y=$(($2 + $4 / 2))
    [ "$5" = top ] || y=$((y - BAR_HEIGHT))
    click_in_window "$MAIN_WINDOW" "$x" "$y" || fail "could not click at $x,$y"
}

press_select_all() { click_button 8 5 56 30 top; }
press_give_up() { click_button 72 4 89 33 bottom; }
press_confirm() { click_button 176 4 89 33 bottom; }

window_is_painted() {
    [ "$(region_colour_count "$MAIN_WINDOW" 0 0 "$(window_size "$MAIN_WINDOW" Width)" \
        "$(window_size "$MAIN_WINDOW" Height)")" -gt 1 ]
}

# Succeeds when the list shows no item: once the window is painted, the inside of the list's
# panel is of one colour.
list_is_blank() {
    wait_until "$E2E_TIMEOUT" window_is_painted || fail "the window was not painted"
    local height colours
    height=$(($(window_size "$MAIN_WINDOW" Height) - 2 * BAR_HEIGHT - 4))
    colours=$(region_colour_count "$MAIN_WINDOW" 2 $((BAR_HEIGHT + 2)) \
        $(($(window_size "$MAIN_WINDOW" Width) - 4)) "$height") || fail "no screenshot"
    [ "$colours" -eq 1 ]
}

finish_with_exit_code() {
    wait_for_exit "$PROGRAM_PID" || fail "the program did not end"
    PROGRAM_PID=
    [ "$EXIT_CODE" -eq 0 ] || fail "exit code $EXIT_CODE"
}
