#!/bin/bash
# End-to-end confirmation on the real server: a copy of the built program lists the bills
# pending for its user from a fresh database, "全選" then "確認後離開" are clicked, and the
# process ends with exit code 0 having marked every row of the listed bills and nothing else,
# as a second connection reads back.
# Usage: write_back.sh BIN_DIR
set -u
BIN_DIR=$1
source "$(dirname "$0")/x11_session.sh"
source "$(dirname "$0")/program_session.sh"
source "$(dirname "$0")/firebird_session.sh"

USER_ID="王小明"

# 許 ends in the byte 0x5C; the delete-only bill of another user is listed for everyone.
fill_bills() {
    run_sql "$DATABASE" <<'SQL'
CREATE TABLE sal_master (masterbillid VARCHAR(20), chg_user VARCHAR(20));
CREATE TABLE sal_temp (masterbillid VARCHAR(20), tran_check CHAR(1), state VARCHAR(10));
COMMIT;
INSERT INTO sal_master VALUES ('銷E2E001', '王小明');
INSERT INTO sal_temp VALUES ('銷E2E001', NULL, 'UPDATE');
INSERT INTO sal_master VALUES ('許E2E002', '王小明');
INSERT INTO sal_temp VALUES ('許E2E002', 'Y', 'INSERT');
INSERT INTO sal_temp VALUES ('許E2E002', NULL, 'UPDATE');
INSERT INTO sal_master VALUES ('S-E2E003', '李大華');
INSERT INTO sal_temp VALUES ('S-E2E003', NULL, 'UPDATE');
INSERT INTO sal_master VALUES ('S-E2E004', '李大華');
INSERT INTO sal_temp VALUES ('S-E2E004', NULL, 'DELETE');
COMMIT;
SQL
}

EXPECTED_ROWS="S-E2E003 UPDATE -
S-E2E004 DELETE Y
許E2E002 INSERT Y
許E2E002 UPDATE Y
銷E2E001 UPDATE Y"

marks() {
    query_lines "SELECT masterbillid || ' ' || state || ' ' || COALESCE(tran_check, '-')
                 FROM sal_temp ORDER BY masterbillid, state"
}

end_write_back() {
    end_session
    drop_database
}

begin_session
trap end_write_back EXIT
create_database || fail "could not create the database"
fill_bills || fail "could not fill the database"
install_copy
write_user_id "$(printf '%s' "$USER_ID" | iconv -f UTF-8 -t CP950)"
write_connection_file "$DATABASE" "$(sysdba_password)"

start_program
expect_window_without_error
list_is_blank && fail "no bill is listed"
press_select_all
press_confirm
finish_with_exit_code

actual=$(marks) || fail "could not read the marks back"
[ "$actual" = "$EXPECTED_ROWS" ] ||
    fail "marks in the database:
$actual
expected:
$EXPECTED_ROWS"
echo "PASSED: write_back"
