#!/usr/bin/env bash
# Runs the tool on a demo database on a fresh machine: installs what it needs, builds, lays out
# a copy of the program with a demo bill database (embedded, no server) in out/demo, and starts
# the window. Without a display, or with --screenshot, it runs the window under Xvfb and saves
# a picture of it.
#   tools/demo.sh [--screenshot FILE]
# SALSENDCHECK_BUILD_DIR (default build) and SALSENDCHECK_DEMO_DIR (default out/demo) move the
# build and the demo elsewhere.
set -euo pipefail

screenshot=""
case "$#:${1:-}" in
0:) ;;
2:--screenshot) screenshot=$(realpath -m "$2") ;;
*)
    echo "usage: $0 [--screenshot FILE]" >&2
    exit 2
    ;;
esac
cd "$(dirname "$0")/.."

build=${SALSENDCHECK_BUILD_DIR:-build}
demo=${SALSENDCHECK_DEMO_DIR:-$PWD/out/demo}

tools/install-deps.sh
cmake -S . -B "$build" >/dev/null
cmake --build "$build" -j "$(nproc)" --target salsendcheck dbxfb
tools/make-demo.sh "$build/bin" "$demo"

if [ -z "$screenshot" ] && [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    exec "$demo/salsendcheck"
fi
exec tools/headless-run.sh "$demo" "${screenshot:-$demo/screenshot.png}"
