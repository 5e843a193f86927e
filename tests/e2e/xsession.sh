# Helpers to run the program in a private X server (Xvfb) and drive it like a person,
# with xdotool. Source this file; call xs_start first. The program and the X server are
# ended when the sourcing script exits.
#   xs_start               starts Xvfb on a free display (screen size $XS_SCREEN,
#                          800x600x24 if unset) and exports DISPLAY
#   xs_launch PROGRAM      starts the program, waits for its window, sets XS_WINDOW
#   xs_click X Y           clicks at X, Y pixels from the window's top left
#   xs_type TEXT           types TEXT into the focused control
#   xs_key KEY...          presses keys such as ctrl+a
#   xs_fail MESSAGE        reports a failure with the program's messages, exits 1

XS_DIR=$(mktemp -d)
XS_XVFB_PID=
XS_APP_PID=
XS_WINDOW=

xs_stop() {
    local pid
    for pid in "$XS_APP_PID" "$XS_XVFB_PID"; do
        [ -n "$pid" ] || continue
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    XS_APP_PID= XS_XVFB_PID=
    rm -rf "$XS_DIR"
}
trap 'xs_status=$?; xs_stop; exit $xs_status' EXIT

xs_fail() {
    echo "FAIL: $*" >&2
    if [ -s "$XS_DIR/app.log" ]; then
        echo "--- the program's standard error:" >&2
        cat "$XS_DIR/app.log" >&2
    fi
    exit 1
}

xs_start() {
    # Xvfb picks a free display itself and writes its number to descriptor 3.
    Xvfb -displayfd 3 -screen 0 ${XS_SCREEN:-800x600x24} -dpi 96 -nolisten tcp \
        3>"$XS_DIR/display" >/dev/null 2>"$XS_DIR/xvfb.log" &
    XS_XVFB_PID=$!
    for _ in $(seq 300); do
        [ -s "$XS_DIR/display" ] && break
        if ! kill -0 "$XS_XVFB_PID" 2>/dev/null; then
            cat "$XS_DIR/xvfb.log" >&2
            xs_fail "Xvfb did not start"
        fi
        sleep 0.1
    done
    [ -s "$XS_DIR/display" ] || xs_fail "Xvfb gave no display number"
    export DISPLAY=":$(head -n 1 "$XS_DIR/display")"
}

xs_launch() {
    # "." as the decimal separator, whatever the caller's locale.
    LC_ALL=C.UTF-8 LANG=C.UTF-8 QT_QPA_PLATFORM=xcb "$@" >/dev/null 2>"$XS_DIR/app.log" &
    XS_APP_PID=$!
    XS_WINDOW=$(timeout 60 xdotool search --sync --onlyvisible --pid "$XS_APP_PID" \
        --name 'example' | head -n 1) || true
    [ -n "$XS_WINDOW" ] || xs_fail "the window did not appear"
    # Without a window manager nobody gives the window the keyboard focus: take it.
    xdotool windowfocus --sync "$XS_WINDOW"
    sleep 0.5
}

xs_click() {
    xdotool mousemove --window "$XS_WINDOW" --sync "$1" "$2" click 1
    sleep 0.2
}

xs_type() {
    xdotool type --delay 40 -- "$1"
    sleep 0.2
}

xs_key() {
    xdotool key --delay 40 "$@"
    sleep 0.2
}
