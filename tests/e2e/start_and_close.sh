#!/bin/bash
# End-to-end run of the built program under a private X server, from a copy of its folder:
# the error box at start comes before the window, the window has its exact title, and the
# process ends with exit code 0 when it is closed.
# Usage: start_and_close.sh BIN_DIR SEND_WINDOW_CLOSE SCENARIO
#   close_box:          no configuration; the window is closed as by its close box.
#   give_up:            a Halvern.ini, no dbxconnections.ini; closed by "放棄確認".
#   server_unreachable: the connection names a port where nothing listens; the window opens
#                       with an empty list and is closed by "放棄確認".
set -u
BIN_DIR=$1
SEND_WINDOW_CLOSE=$2
SCENARIO=$3
source "$(dirname "$0")/x11_session.sh"
source "$(dirname "$0")/program_session.sh"

begin_session
install_copy
case "$SCENARIO" in
close_box)
    start_program
    pass_error_box
    close_window "$MAIN_WINDOW" "$SEND_WINDOW_CLOSE" || fail "could not send the close request"
    ;;
give_up)
    write_user_id E2E
    start_program
    pass_error_box
    press_give_up
    ;;
server_unreachable)
    write_user_id E2E
    write_connection_file "127.0.0.1/3059:$WORK/none.fdb" unused
    start_program
    pass_error_box
    list_is_blank || fail "the list is not empty"
    press_give_up
    ;;
*) fail "unknown scenario $SCENARIO" ;;
esac
finish_with_exit_code
echo "PASSED: $SCENARIO"
