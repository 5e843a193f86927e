#!/usr/bin/env bash
# Runs atspi_test.py against the program, inside the private D-Bus session that
# dbus-run-session gives it: starts the accessibility bus, Xvfb and the program, whose
# accessibility is switched on as a screen reader's presence would.
set -euo pipefail
app=$1
here=$(dirname "$0")
source "$here/../e2e/xsession.sh"
[ -x /usr/libexec/at-spi-bus-launcher ] || xs_fail "at-spi2-core is missing: run scripts/install-deps"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null ||
    xs_fail "python3-pyatspi is missing: run scripts/install-deps"

/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
launcher=$!
trap 'status=$?; kill "$launcher" 2>/dev/null; xs_stop; exit $status' EXIT

xs_start
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
xs_launch "$app"
title=$(xdotool getwindowname "$XS_WINDOW")
/usr/bin/python3 "$here/atspi_test.py" "$app" "$XS_APP_PID" "$title" || xs_fail "see above"
