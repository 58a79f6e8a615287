#!/usr/bin/env bash
# headless-run.sh DEMO_DIR PNG: starts the program of DEMO_DIR in a private Xvfb server, saves
# a screenshot of its window to PNG once the list is shown, then closes it.
set -euo pipefail
demo=$1
png=$2

display=99
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true' EXIT
export DISPLAY=":$display"
for _ in $(seq 1 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

"$demo/salsendcheck" &
app=$!
window=$(timeout 20 xdotool search --sync --name '^銷貨單據回傳確認$' | head -n 1)
sleep 1  # let the first paint finish
mkdir -p "$(dirname "$png")"
import -window "$window" "$png"
xdotool windowclose "$window" 2>/dev/null || kill "$app"
wait "$app" || true
echo "The window ran under Xvfb; its screenshot is $png"
