#!/usr/bin/env bash
# Started where no display can be opened, the program says so in one line on standard
# error and exits with status 1, without a core dump.
set -uo pipefail
app=$1
passed=0
failed=0

check() { # name, then the environment changes
    local name=$1 status errors
    shift
    errors=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" timeout 30 "$app" 2>&1 >/dev/null)
    status=$?
    if [ "$status" -eq 1 ] && [ "$(printf '%s\n' "$errors" | wc -l)" -eq 1 ] &&
        [[ "$errors" == *display* ]]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        printf 'FAIL %s: status %s, standard error:\n%s\n' "$name" "$status" "$errors" >&2
    fi
}

check "no DISPLAY"
check "a display nobody serves" DISPLAY=:9876
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
