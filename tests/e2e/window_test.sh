#!/usr/bin/env bash
# Uses the program as a person would: clicks the option buttons and push buttons at
# their places, types into the input boxes, copies the result box (Ctrl+A, Ctrl+C) and
# compares the clipboard with the expected report, for each input kind and a rejection.
set -euo pipefail
app=$1
source "$(dirname "$0")/xsession.sh"
for tool in Xvfb xdotool xclip; do
    command -v "$tool" >/dev/null || xs_fail "$tool is missing: run scripts/install-deps"
done

# Centres of the controls, in pixels from the window's top left.
option=("76 52" "76 84" "76 116") # Височини, Страни, Медиани (inside the frame)
input=("384 53" "384 85" "384 117")
calculate="88 156"
clear="360 156"
result="232 276"

# Types three values, clicking into each input box first.
type_inputs() {
    for i in 0 1 2; do
        xs_click ${input[$i]}
        xs_type "$1"
        shift
    done
}

# Copies the result box and waits until the clipboard holds the expected lines.
expect_result() {
    local expected clipboard=""
    expected=$(printf '%s\n' "$@")
    xs_click $result
    xs_key ctrl+a ctrl+c
    for _ in $(seq 50); do
        clipboard=$(xclip -o -selection clipboard 2>/dev/null | tr -d '\r') || true
        [ "$clipboard" = "$expected" ] && return 0
        sleep 0.2
    done
    printf 'expected:\n%s\ngot:\n%s\n' "$expected" "$clipboard" >&2
    xs_fail "the result box does not hold the expected text"
}

xs_start
xs_launch "$app"
checks=0

# At start the result box shows the task; its first line is enough here.
xs_click $result
xs_key ctrl+a ctrl+c
sleep 0.5
first=$(xclip -o -selection clipboard | head -n 1 | tr -d '\r')
[ "$first" = "Да се създаде проект реализиращ междупредметна връзка Геометрия и Информатика." ] ||
    xs_fail "the task text is not shown at start: $first"
checks=$((checks + 1))

xs_click ${option[1]}
type_inputs 3 4 5
xs_click $calculate
expect_result "Лице на триъгълника S = 6" \
    "Изчислени дължини на ъглополовящи:" \
    "Yg_a = 4.21637021355784" \
    "Yg_b = 3.35410196624968" \
    "Yg_c = 2.42436610692531"
checks=$((checks + 1))

# "Медиани" by a click, then the keyboard alone: Tab from the kinds to the first box.
xs_click ${option[2]}
xs_key Tab
xs_type 3
xs_key Tab
xs_type 4
xs_key Tab
xs_type 5
xs_key Return
expect_result "Изчислени дължини на страни:" \
    "BC = 5.69600249687835" \
    "AC = 4.80740170061865" \
    "AB = 3.33333333333333" \
    "Лице на триъгълника S = 8" \
    "Изчислени дължини на ъглополовящи:" \
    "Yg_a = 2.85998323467242" \
    "Yg_b = 3.68842731893544" \
    "Yg_c = 4.96236595640282"
checks=$((checks + 1))

# "Изчисти" goes back to altitudes with the focus in the first box: type, Tab, Enter.
xs_click $clear
xs_type 2
xs_key Tab
xs_type 3
xs_key Tab
xs_type 4
xs_key Return
expect_result "Изчислени дължини на страни:" \
    "BC = 6.75082412551434" \
    "AC = 4.50054941700956" \
    "AB = 3.37541206275717" \
    "Лице на триъгълника S = 6.75082412551434" \
    "Изчислени дължини на ъглополовящи:" \
    "Yg_a = 2.00756586435127" \
    "Yg_b = 4.27617987059879" \
    "Yg_c = 5.2581365520496"
checks=$((checks + 1))

xs_click ${option[1]}
type_inputs 1 2 3
xs_click $calculate
expect_result "Некоректни данни!"
checks=$((checks + 1))

kill -0 "$XS_APP_PID" 2>/dev/null || xs_fail "the program has ended"
echo "$checks passed, 0 failed"
