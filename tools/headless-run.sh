#!/usr/bin/env bash
# headless-run.sh DEMO_DIR PNG: starts the program of DEMO_DIR in a private Xvfb server, saves
# a picture of its window to PNG once the list shows the bills, then leaves by "放棄確認".
# Fails when an error box comes up or the list stays empty.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
PROGRAM_DIR=$(cd "$1" && pwd)
png=$2
source "$here/../tests/e2e/x11_session.sh"
source "$here/../tests/e2e/program_session.sh"

list_shows_bills() { ! list_is_blank; }

begin_session
start_program
expect_window_without_error
wait_until "$E2E_TIMEOUT" list_shows_bills || fail "the list stays empty"
mkdir -p "$(dirname "$png")"
save_window_picture "$MAIN_WINDOW" "$png" || fail "no picture of the window"
press_give_up
finish_with_exit_code
echo "The window ran under Xvfb; its picture is $png"
