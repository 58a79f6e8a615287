#!/usr/bin/env bash
# Runs the tool on a demo database on a fresh machine: installs what it needs, builds, lays out
# a copy of the program with a demo bill database (embedded, no server) in out/demo, and starts
# the window. Without a display it runs the window under Xvfb, saves a screenshot and says where.
#   tools/demo.sh [--screenshot FILE]
set -euo pipefail
cd "$(dirname "$0")/.."

screenshot=""
[ "${1:-}" = "--screenshot" ] && screenshot=$2

tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target salsendcheck dbxfb
demo=${SALSENDCHECK_DEMO_DIR:-$PWD/out/demo}
tools/make-demo.sh build/bin "$demo"

if [ -z "$screenshot" ] && [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  exec "$demo/salsendcheck"
fi
exec tools/headless-run.sh "$demo" "${screenshot:-$demo/screenshot.png}"
