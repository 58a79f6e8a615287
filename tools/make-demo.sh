#!/usr/bin/env bash
# make-demo.sh BIN_DIR DEMO_DIR: lays out a runnable copy of the program in DEMO_DIR with a demo
# bill database opened embedded (a local file, no server), its Halvern.ini and its
# dbxconnections.ini. Everything is made afresh each time, each file under a temporary name
# first and then renamed into place, so that a failed run never leaves a half-written file and
# a demo still running keeps the files it has open.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bin=$1
demo=$2

mkdir -p "$demo"
demo=$(cd "$demo" && pwd)
trap 'rm -f "$demo"/*.partial' EXIT

# Renames $1.partial to $1.
commit() { mv -f "$1.partial" "$1"; }

big5() { printf '%s' "$1" | iconv -f UTF-8 -t CP950; }

copy_program() {
    local name
    for name in salsendcheck libdbxfb.so dbxdrivers.ini; do
        cp "$bin/$name" "$demo/$name.partial"
        commit "$demo/$name"
    done
}

# isql-fb drops the bytes above 0x7F of what it reads from its standard input: the Big5 script
# goes in as a file.
make_database() {
    local script=$demo/demo.sql.partial database=$demo/demo.fdb.partial
    rm -f "$database"
    {
        echo "CREATE DATABASE '$database' PAGE_SIZE 8192;"
        iconv -f UTF-8 -t CP950 "$here/../demo/sample-bills.sql"
    } >"$script"
    env -u ISC_USER -u ISC_PASSWORD isql-fb -q -bail -ch NONE -i "$script" >/dev/null
    rm -f "$script"
    commit "$demo/demo.fdb"
}

write_configuration() {
    printf '[privite]\r\nuserid=%s\r\n' "$(big5 王小明)" >"$demo/Halvern.ini.partial"
    commit "$demo/Halvern.ini"
    cat >"$demo/dbxconnections.ini.partial" <<INI
[Quenby]
DriverName=Interbase
Database=$demo/demo.fdb
User_Name=SYSDBA
Password=masterkey
SQLDialect=3
WaitOnLocks=True
INI
    commit "$demo/dbxconnections.ini"
}

copy_program
make_database
write_configuration
