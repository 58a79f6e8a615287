#!/bin/bash
# valgrind-e2e.sh [BIN_DIR]: one end-to-end run of the built program (BIN_DIR, default
# build/bin) under Valgrind's memcheck, in a private X server, against a fresh bill database on
# the Firebird server at 127.0.0.1:3050: it lists three pending bills, "全選" and "確認後離開"
# are clicked, and the program ends with exit code 0 having marked them. Passes when memcheck
# reports no error and no definite leak outside the one-time allocations of system libraries
# that tools/valgrind.supp names. Needs valgrind, Xvfb, xdotool, x11-utils, ImageMagick and
# isql-fb.
set -u
cd "$(dirname "$0")/.."
BIN_DIR=$(realpath "${1:-build/bin}")
SUPPRESSIONS=$PWD/tools/valgrind.supp
E2E=$PWD/tests/e2e
# Everything runs some ten times slower under memcheck.
E2E_TIMEOUT=${E2E_TIMEOUT:-180}
source "$E2E/x11_session.sh"
source "$E2E/program_session.sh"
source "$E2E/firebird_session.sh"

VALGRIND_ERRORS=99

fill_bills() {
    run_sql "$DATABASE" <<'SQL'
CREATE TABLE sal_master (masterbillid VARCHAR(20), chg_user VARCHAR(20));
CREATE TABLE sal_temp (masterbillid VARCHAR(20), tran_check CHAR(1), state VARCHAR(10));
COMMIT;
INSERT INTO sal_master VALUES ('許V001', 'VG');
INSERT INTO sal_temp VALUES ('許V001', NULL, 'UPDATE');
INSERT INTO sal_master VALUES ('V''002', 'VG');
INSERT INTO sal_temp VALUES ('V''002', NULL, 'INSERT');
INSERT INTO sal_master VALUES ('V003', 'other');
INSERT INTO sal_temp VALUES ('V003', NULL, 'DELETE');
INSERT INTO sal_master VALUES ('V004', 'other');
INSERT INTO sal_temp VALUES ('V004', NULL, 'UPDATE');
COMMIT;
SQL
}

EXPECTED_MARKS="V'002 Y
V003 Y
V004 -
許V001 Y"

marks() {
    query_lines "SELECT masterbillid || ' ' || COALESCE(tran_check, '-') FROM sal_temp
                 ORDER BY masterbillid"
}

# A fork without exec (D-Bus autolaunch) is another program's business: its child stays silent.
start_under_valgrind() {
    mkdir -p "$WORK/elsewhere"
    (cd "$WORK/elsewhere" &&
        exec valgrind --tool=memcheck --error-exitcode=$VALGRIND_ERRORS \
            --child-silent-after-fork=yes --leak-check=full --show-leak-kinds=definite \
            --errors-for-leak-kinds=definite --suppressions="$SUPPRESSIONS" --num-callers=40 \
            --log-file="$WORK/valgrind.log" "$PROGRAM_DIR/salsendcheck") \
        >"$WORK/program.log" 2>&1 &
    PROGRAM_PID=$!
}

# Prints memcheck's summary lines; fails unless they show no error and no definite leak.
check_report() {
    local report=$WORK/valgrind.log
    grep -E 'ERROR SUMMARY|definitely lost:|indirectly lost:|suppressed:' "$report"
    grep -q 'ERROR SUMMARY: 0 errors' "$report" || fail_with_report "memcheck found errors"
    ! grep -q 'definitely lost: [1-9]' "$report" || fail_with_report "definite leaks"
}

fail_with_report() {
    echo "--- valgrind.log:" >&2
    cat "$WORK/valgrind.log" >&2
    fail "$1"
}

end_run() {
    end_session
    drop_database
}

command -v valgrind >/dev/null || { echo "valgrind is not installed" >&2; exit 1; }
[ -x "$BIN_DIR/salsendcheck" ] || { echo "no program in $BIN_DIR: build it first" >&2; exit 1; }
begin_session
trap end_run EXIT
create_database || fail "could not create the database"
fill_bills || fail "could not fill the database"
install_copy
write_user_id VG
write_connection_file "$DATABASE" "$(sysdba_password)"

start_under_valgrind
expect_window_without_error
list_is_blank && fail "no bill is listed"
press_select_all
press_confirm
wait_for_exit "$PROGRAM_PID" || fail "the program did not end"
PROGRAM_PID=
[ "$EXIT_CODE" -ne $VALGRIND_ERRORS ] || fail_with_report "memcheck found errors or leaks"
[ "$EXIT_CODE" -eq 0 ] || fail "exit code $EXIT_CODE"
check_report

actual=$(marks) || fail "could not read the marks back"
[ "$actual" = "$EXPECTED_MARKS" ] || fail "marks in the database:
$actual
expected:
$EXPECTED_MARKS"
echo "PASSED: valgrind-e2e"
