#!/usr/bin/env bash
# make_bill_database.sh DATABASE PENDING USER: creates the bill database DATABASE (host:path)
# with PENDING bills waiting for USER and as many bills that wait for nobody, interleaved in id
# order: bill "SB" and eight digits waits when its number is odd. Credentials come from
# ISC_USER / ISC_PASSWORD.
#
# A waiting bill has one to three sal_temp rows, none marked; one in ten waits through a
# "DELETE" row of another user's bill, the rest through the user's own unmarked rows. The
# others are the user's bills already marked, or another user's bills with "INSERT" rows.
# PENDING 0 gives the empty tables.
set -euo pipefail
database=$1
pending=$2
user=$3

isql-fb -q -bail <<SQL
CREATE DATABASE '$database' PAGE_SIZE 8192 DEFAULT CHARACTER SET NONE;
CREATE TABLE sal_master (masterbillid VARCHAR(30), chg_user VARCHAR(30));
CREATE TABLE sal_temp (masterbillid VARCHAR(30), tran_check CHAR(1), state VARCHAR(10));
CREATE INDEX sal_temp_bill ON sal_temp (masterbillid);
COMMIT;
SET TERM ^ ;
EXECUTE BLOCK AS
  DECLARE k INTEGER = 1;
  DECLARE r INTEGER;
  DECLARE id VARCHAR(30);
  DECLARE owner VARCHAR(30);
  DECLARE mark CHAR(1);
  DECLARE state VARCHAR(10);
BEGIN
  WHILE (k <= 2 * $pending) DO
  BEGIN
    id = 'SB' || LPAD(CAST(k AS VARCHAR(10)), 8, '0');
    mark = NULL;
    IF (MOD(k, 2) = 0 AND MOD(k, 4) = 0) THEN
    BEGIN owner = '$user'; mark = 'Y'; state = 'UPDATE'; END
    ELSE IF (MOD(k, 2) = 0) THEN
    BEGIN owner = 'OTHER'; state = 'INSERT'; END
    ELSE IF (MOD((k + 1) / 2, 10) = 0) THEN
    BEGIN owner = 'OTHER'; state = 'DELETE'; END
    ELSE
    BEGIN owner = '$user'; state = 'UPDATE'; END
    INSERT INTO sal_master (masterbillid, chg_user) VALUES (:id, :owner);
    r = 0;
    WHILE (r <= MOD(k, 3)) DO
    BEGIN
      INSERT INTO sal_temp (masterbillid, tran_check, state) VALUES (:id, :mark, :state);
      r = r + 1;
    END
    k = k + 1;
  END
END^
SET TERM ; ^
COMMIT;
SQL
