#!/usr/bin/env bash
# Builds the Debian package of the tool: installs what building it needs, makes a Release build
# in build-package/ (SALSENDCHECK_BUILD_DIR moves it) and runs CPack there. The package installs
# the program's folder /opt/salsendcheck and the command /usr/bin/salsendcheck.
#   tools/package.sh        prints the path of the .deb
set -euo pipefail
cd "$(dirname "$0")/.."
build=${SALSENDCHECK_BUILD_DIR:-build-package}

# What CPack needs to work out the package's library dependencies.
install_packaging_tools() {
    command -v dpkg-shlibdeps >/dev/null && command -v file >/dev/null && return 0
    local as_root=()
    [ "$(id -u)" -eq 0 ] || as_root=(sudo)
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends dpkg-dev file
}

tools/install-deps.sh
install_packaging_tools
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DSALSENDCHECK_TESTS=OFF -DSALSENDCHECK_BENCH=OFF >/dev/null
cmake --build "$build" -j "$(nproc)"
(cd "$build" && cpack >/dev/null)
realpath "$build"/salsendcheck_*.deb
