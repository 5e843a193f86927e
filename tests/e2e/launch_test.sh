#!/usr/bin/env bash
# Which runs open the window and which answer on the command line. The command line must
# load no toolkit: the C library and libm are all it may bring in (LD_DEBUG=libs shows
# what is loaded). The window gets Qt's options: a probe preloaded in place of Qt's
# event loop prints what Qt made of them, with the offscreen platform. Then the decimal
# separator of both under several locales, and a session restart in a real X server.
#
#   launch_test.sh PROGRAM WINDOW_PROBE
set -uo pipefail
app=$1 probe=$2
source "$(dirname "$0")/xsession.sh"
work=$XS_DIR
passed=0
failed=0

pass() { passed=$((passed + 1)); }
fail() {
    failed=$((failed + 1))
    printf 'FAIL %s\n' "$*" >&2
}

# A clean locale environment, then the row's settings.
clean=(env -u LC_ALL -u LC_NUMERIC -u LANG -u LANGUAGE -u DISPLAY -u WAYLAND_DISPLAY)

# A command-line run: what it prints contains WANTED, and only libc and libm are loaded.
command_line() { # name, wanted, arguments
    local name=$1 wanted=$2 loaded
    shift 2
    rm -f "$work"/ld.*
    "${clean[@]}" LC_ALL=C.UTF-8 LD_DEBUG=libs LD_DEBUG_OUTPUT="$work/ld" \
        timeout 30 "$app" "$@" </dev/null >"$work/out" 2>&1
    loaded=$(sed -n 's|.*calling init: .*/||p' "$work"/ld.* | sort -u | tr '\n' ' ')
    if [[ $loaded != "ld-linux-x86-64.so.2 libc.so.6 libm.so.6 " && $loaded != "libc.so.6 libm.so.6 " ]]; then
        fail "$name: the command line loaded $loaded"
    elif [[ -n $wanted ]] && ! grep -qF -- "$wanted" "$work/out"; then
        fail "$name: no '$wanted' in: $(cat "$work/out")"
    else
        pass
    fi
}

# A window run, with the probe: it prints its line and exits 0, and the line contains WANTED.
window() { # name, wanted, arguments
    local name=$1 wanted=$2 status
    shift 2
    "${clean[@]}" LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen LD_PRELOAD="$probe" \
        timeout 10 "$app" "$@" </dev/null >"$work/out" 2>"$work/err"
    status=$?
    if [[ $status != 0 ]] || ! grep -q "^window .*$wanted" "$work/out"; then
        fail "$name: status $status, output: $(cat "$work/out" "$work/err")"
    else
        pass
    fi
}

#       name                      wanted                          arguments
window  "no arguments"            "platform=offscreen"
window  "a session to restore"    "session=abc program=bisectors" -session abc
window  "a platform"              "platform=minimal"              -platform minimal
window  "a flag"                  "direction=rtl"                 -reverse
window  "a value after ="         "platform=offscreen"            -style=fusion
window  "X11's options"           "platform=offscreen"            -display :0 -name x -title y
window  "Qt's option first"       "platform=offscreen"            -reverse --sides 3 4 5
window  "Qt's option later"       "platform=offscreen"            --sides 3 4 5 -session abc
command_line "sides"              "Yg_a = 4.21637021355784"       --sides 3 4 5
command_line "a worksheet"        ""                              --medians
command_line "help"               "Употреба"                      --help
command_line "a refusal"          "Некоректни данни!"             --sides 1 2 3
command_line "a usage error"      "непозната опция"               --cm
command_line "two dashes are ours" "непозната опция „--session“"  --session abc
command_line "a minus number"     "Некоректни данни!"             --sides -5 4 5
command_line "a number after --"  "Некоректни данни!"             --sides -- -session 4 5

# A program without its window module says so, and the command line still works.
mkdir "$work/alone"
cp "$app" "$work/alone/bisectors"
errors=$("${clean[@]}" QT_QPA_PLATFORM=offscreen timeout 10 "$work/alone/bisectors" 2>&1 >/dev/null)
status=$?
alone=$("${clean[@]}" "$work/alone/bisectors" --version)
if [[ $status == 1 && $errors == "bisectors: cannot load the window: "*window.so* &&
    $alone == "bisectors "* ]]; then
    pass
else
    fail "without the module: status $status, '$errors'; --version: '$alone'"
fi

# The separator of a report on the command line, of a number read back on it, and of the
# window, the same under each locale.
separator() { # name, wanted, settings
    local name=$1 wanted=$2 line read shown
    shift 2
    line=$("${clean[@]}" "$@" "$app" --sides 3 4 5 | grep '^Yg_a')
    read=$("${clean[@]}" "$@" "$app" --sides "3${wanted}0" 4 5 | grep '^Yg_a')
    shown=$("${clean[@]}" "$@" QT_QPA_PLATFORM=offscreen LD_PRELOAD="$probe" "$app" 2>/dev/null |
        sed -n 's/.*decimal=//p')
    if [[ $line == "Yg_a = 4${wanted}21637021355784" && $read == "$line" && $shown == "$wanted" ]]; then
        pass
    else
        fail "$name: the command line wrote '$line' and read '$read', the window shows '$shown', wanted '$wanted'"
    fi
}

#         name                        wanted settings
separator "C.UTF-8"                   "."    LC_ALL=C.UTF-8
separator "POSIX"                     "."    LC_ALL=POSIX
separator "Bulgarian"                 ","    LC_ALL=bg_BG.UTF-8
separator "Bulgarian from LANG"       ","    LANG=bg_BG.UTF-8
separator "Bulgarian numbers"         ","    LANG=C.UTF-8 LC_NUMERIC=bg_BG.UTF-8
separator "LC_ALL over LC_NUMERIC"    "."    LC_ALL=C.UTF-8 LC_NUMERIC=bg_BG.UTF-8

# A session manager restarts the program as "bisectors -session ID": the window maps.
if command -v Xvfb >/dev/null && command -v xdotool >/dev/null; then
    xs_start
    xs_launch "$app" -session abc
    pass
else
    fail "Xvfb or xdotool is missing: run scripts/install-deps"
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
