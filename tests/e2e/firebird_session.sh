# Functions to make and read a bill database on the Firebird server at 127.0.0.1:3050 with
# isql-fb, as SYSDBA; sourced by the end-to-end runs. SQL is written here in UTF-8 and goes
# to the server in Big5 bytes, as the sales system stores its text.

PASSWORD_FILE=/etc/firebird/3.0/SYSDBA.password

sysdba_password() {
    sed -n 's/^ISC_PASSWORD="\{0,1\}\([^"]*\)"\{0,1\}$/\1/p' "$PASSWORD_FILE"
}

# Runs the UTF-8 statements on stdin, converted to Big5; extra arguments go to isql-fb.
# They are handed over as a file: isql-fb drops the bytes above 0x7F of what it reads from
# its standard input.
run_sql() {
    local script
    script=$(mktemp) || return 1
    iconv -f UTF-8 -t CP950 >"$script" || { rm -f "$script"; return 1; }
    ISC_USER=SYSDBA ISC_PASSWORD=$(sysdba_password) \
        isql-fb -q -bail -ch NONE -i "$script" "$@"
    local status=$?
    rm -f "$script"
    return $status
}

# Creates an empty database in a folder of its own that the server can write, and sets
# DATABASE (host:path, for a connection entry) and DATABASE_DIR.
create_database() {
    [ -r "$PASSWORD_FILE" ] || { echo "no $PASSWORD_FILE: is firebird3.0-server installed?" >&2; return 1; }
    DATABASE_DIR=$(mktemp -d) && chmod 777 "$DATABASE_DIR" || return 1
    DATABASE=127.0.0.1:$DATABASE_DIR/bills.fdb
    echo "CREATE DATABASE '$DATABASE' PAGE_SIZE 8192;" | run_sql
}

drop_database() {
    [ -n "${DATABASE_DIR:-}" ] || return 0
    echo "DROP DATABASE;" | run_sql "$DATABASE" >/dev/null 2>&1
    rm -rf "$DATABASE_DIR"
    DATABASE_DIR=
}

# Prints the rows of one text column selected by the UTF-8 query $1, one a line, in UTF-8,
# with isql's padding removed.
query_lines() {
    printf 'SET HEADING OFF;\n%s;\n' "$1" | run_sql "$DATABASE" |
        iconv -f CP950 -t UTF-8 | sed -e 's/ *$//' -e '/^$/d'
}
