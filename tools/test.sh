#!/usr/bin/env bash
# Sets up a fresh machine and runs every test twice: in a normal build (build/) and in a build
# under AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/). The real-server tests use
# the Firebird server on 127.0.0.1:3050, which this starts.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
tools/start-firebird.sh

jobs=$(nproc)

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DSALSENDCHECK_SANITIZE=ON
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
LSAN_OPTIONS=suppressions=$PWD/tools/lsan.supp:print_suppressions=0 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"
