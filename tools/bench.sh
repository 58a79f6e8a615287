#!/usr/bin/env bash
# Benchmarks: the program's start-up and write-back raced against the database's own client
# (isql-fb and a plain C++ loop over the client library). Builds into build-bench/ (or
# $BENCH_BUILD_DIR), lays out a copy of the program beside the benchmark programs, makes the
# bill databases on the server at 127.0.0.1:3050 and runs everything under a private Xvfb.
# The figures go to docs/benchmarks.md. Options are handed to bench_run:
#   --runs N (5)  --sizes 1000,10000,100000  --ticks 1000,10000  --out FILE
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=${BENCH_BUILD_DIR:-$root/build-bench}

tools/install-deps.sh
tools/start-firebird.sh
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)" --target bench_run

# The server writes the database files into the work folder.
work=$(mktemp -d /tmp/salsendcheck-bench-XXXXXX)
chmod 777 "$work"
source tests/e2e/x11_session.sh
cleanup() {
    stop_xvfb
    rm -rf "$work"
}
trap cleanup EXIT

mkdir "$work/program"
cp -a "$build/bin/." "$build/bench/bin/." "$work/program/"
ISC_PASSWORD=$(sed -n 's/^ISC_PASSWORD="\{0,1\}\([^"]*\)"\{0,1\}$/\1/p' /etc/firebird/3.0/SYSDBA.password)
export ISC_USER=SYSDBA ISC_PASSWORD
unset DBX_CONNECTION_REGISTRY_FILE DBX_DRIVER_REGISTRY_FILE
start_xvfb "$work"

echo "load average before: $(cut -d ' ' -f 1-3 /proc/loadavg)"
umask 077 # the connection files hold the password
"$work/program/bench_run" --program "$work/program" --work "$work" \
    --make-database "$root/bench/make_bill_database.sh" --out docs/benchmarks.md "$@"
echo "load average after: $(cut -d ' ' -f 1-3 /proc/loadavg)"
