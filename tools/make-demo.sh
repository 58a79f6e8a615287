#!/usr/bin/env bash
# make-demo.sh BIN_DIR DEMO_DIR: lays out a runnable copy of the program in DEMO_DIR with a demo
# bill database opened embedded (a local file, no server), its Halvern.ini and its
# dbxconnections.ini. The database is made afresh each time, under a temporary name first, so
# a failed run never leaves a half-written one behind.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bin=$1
demo=$2

mkdir -p "$demo"
demo=$(cd "$demo" && pwd)
cp "$bin"/salsendcheck "$bin"/libdbxfb.so "$bin"/dbxdrivers.ini "$demo"/

partial="$demo/demo.fdb.partial"
rm -f "$partial"
{
  echo "CREATE DATABASE '$partial' PAGE_SIZE 8192;"
  iconv -f UTF-8 -t CP950 "$here/../demo/sample-bills.sql"
} | env -u ISC_USER -u ISC_PASSWORD isql-fb -q -ch NONE -bail >/dev/null
mv -f "$partial" "$demo/demo.fdb"

big5() { printf '%s' "$1" | iconv -f UTF-8 -t CP950; }
printf '[privite]\r\nuserid=%s\r\n' "$(big5 王小明)" > "$demo/Halvern.ini"
cat > "$demo/dbxconnections.ini" <<INI
[Quenby]
DriverName=Interbase
Database=$demo/demo.fdb
User_Name=SYSDBA
Password=masterkey
SQLDialect=3
WaitOnLocks=True
INI
