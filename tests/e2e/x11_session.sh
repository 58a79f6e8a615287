# Functions to drive the program under a private X server with no window manager; sourced by
# the end-to-end runs. Needs Xvfb, xdotool, xprop and xwininfo. The waits poll until their
# timeout (seconds, default E2E_TIMEOUT), then fail with a message on stderr.

E2E_TIMEOUT=${E2E_TIMEOUT:-30}
XVFB_PID=

# Starts Xvfb on a display it picks itself and exports DISPLAY. $1: a folder for its files.
start_xvfb() {
    local work=$1
    command -v Xvfb >/dev/null || { echo "Xvfb is not installed" >&2; return 1; }
    # -noreset: a server that resets whenever its last client leaves refuses clients meanwhile.
    Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" \
        2>"$work/xvfb.log" &
    XVFB_PID=$!
    wait_until "$E2E_TIMEOUT" test -s "$work/display" ||
        { echo "Xvfb did not start:" >&2; cat "$work/xvfb.log" >&2; return 1; }
    export DISPLAY=":$(head -n 1 "$work/display")"
}

stop_xvfb() {
    [ -n "$XVFB_PID" ] || return 0
    kill "$XVFB_PID" 2>/dev/null
    wait "$XVFB_PID" 2>/dev/null
    XVFB_PID=
}

# Runs the command until it succeeds or $1 seconds have passed.
wait_until() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

# The title of a window as the window manager would show it (_NET_WM_NAME, UTF-8).
window_title() {
    LC_ALL=C.UTF-8 xprop -id "$1" _NET_WM_NAME 2>/dev/null |
        sed -n 's/^_NET_WM_NAME([A-Z0-9_]*) = "\(.*\)"$/\1/p'
}

# The ids of the visible windows titled exactly $1, one a line.
visible_windows_titled() {
    local id
    for id in $(xdotool search --onlyvisible --name . 2>/dev/null); do
        [ "$(window_title "$id")" = "$1" ] && echo "$id"
    done
}

has_window_titled() { [ -n "$(visible_windows_titled "$1")" ]; }
has_no_window_titled() { ! has_window_titled "$1"; }

# Prints the id of the first visible window titled exactly $1 once there is one; $2: timeout.
wait_for_window() {
    local title=$1 timeout=${2:-$E2E_TIMEOUT}
    wait_until "$timeout" has_window_titled "$title" ||
        { echo "no window titled '$title' after ${timeout}s" >&2; return 1; }
    visible_windows_titled "$title" | head -n 1
}

# Waits until no visible window is titled exactly $1; $2: timeout.
wait_for_window_gone() {
    wait_until "${2:-$E2E_TIMEOUT}" has_no_window_titled "$1" ||
        { echo "window '$1' still there" >&2; return 1; }
}

# The inner width or height of a window: window_size ID Width|Height.
window_size() {
    xwininfo -id "$1" | sed -n "s/^ *$2: *\([0-9]*\)$/\1/p"
}

# Clicks the left mouse button at x, y inside the window; a negative y counts from its bottom.
click_in_window() {
    local id=$1 x=$2 y=$3
    [ "$y" -ge 0 ] || y=$(($(window_size "$id" Height) + y))
    xdotool mousemove --sync --window "$id" "$x" "$y" click 1
}

# Gives the window the keyboard focus and types the key (an xdotool key name) into it.
press_key_in_window() {
    xdotool windowfocus --sync "$1" key "$2"
}

# Asks the window to close, as its close box does; $1: window id, $2: the close helper.
close_window() {
    "$2" "$1"
}

has_ended() { ! kill -0 "$1" 2>/dev/null; }

# Waits for a child process of this shell to end and sets EXIT_CODE to its exit code; $2:
# timeout. Not to be called in a subshell, which cannot wait for its parent's children.
wait_for_exit() {
    wait_until "${2:-$E2E_TIMEOUT}" has_ended "$1" ||
        { echo "process $1 still running" >&2; return 1; }
    EXIT_CODE=0
    wait "$1" || EXIT_CODE=$?
}

# The number of distinct colours in a rectangle of a window: region_colour_count ID X Y W H.
region_colour_count() {
    import -window "$1" -crop "$4x$5+$2+$3" +repage -format '%k' info:-
}

# Saves a picture of the window to a PNG file, without time stamps, so that a picture of the
# same screen is the same file: save_window_picture ID FILE.
save_window_picture() {
    import -window "$1" -strip "png:$2"
}
