#!/usr/bin/env bash
# The command line as a script or a teacher uses it: what goes to standard output and to
# standard error, and the exit status, for each row of the table below. It runs where no
# display can be opened, since these modes must not need one.
set -uo pipefail
app=$1
passed=0
failed=0

usage=$'Употреба: bisectors {--heights|--sides|--medians} [--exact] [--steps]\n                    [X1 X2 X3]\n          bisectors {--heights|--sides|--medians} --svg X1 X2 X3\n          bisectors {--heights|--sides|--medians} {--html|--docx} [--sheet]\n                    [X1 X2 X3]\n          bisectors {--heights|--sides|--medians} --generate N [--level L]\n                    [--impossible K] [--variants V] [--seed S]\n                    [{--html|--docx} [--sheet]]\n          bisectors --given [--exact] [--steps]\n                    [ИМЕ=СТОЙНОСТ ИМЕ=СТОЙНОСТ ИМЕ=СТОЙНОСТ]\n          bisectors --given --svg ИМЕ=СТОЙНОСТ ИМЕ=СТОЙНОСТ ИМЕ=СТОЙНОСТ\n          bisectors --given {--html|--docx} [--sheet]\n                    [ИМЕ=СТОЙНОСТ ИМЕ=СТОЙНОСТ ИМЕ=СТОЙНОСТ]\n          bisectors --given --generate N [--level L] [--impossible K]\n                    [--variants V] [--seed S] [{--html|--docx} [--sheet]]\n          bisectors -h | --help | --version\n          bisectors [ОПЦИЯ-НА-QT ...]\n'
sides345=$'Лице на триъгълника S = 6\nИзчислени дължини на ъглополовящи:\nYg_a = 4.21637021355784\nYg_b = 3.35410196624968\nYg_c = 2.42436610692531\n'
medians345=$'Изчислени дължини на страни:\nBC = 5.69600249687835\nAC = 4.80740170061865\nAB = 3.33333333333333\nЛице на триъгълника S = 8\nИзчислени дължини на ъглополовящи:\nYg_a = 2.85998323467242\nYg_b = 3.68842731893544\nYg_c = 4.96236595640282\n'

# The arguments may start with environment settings, with STDOUT=FILE to send the
# standard output elsewhere and with STDIN=FILE to read the standard input from a file.
check() { # name, status, stdin, stdout, stderr, then the arguments
    local name=$1 status=$2 input=$3 out=$4 err=$5 got_out got_err got_status
    shift 5
    local settings=() to=$work/out from=$work/in
    : >"$work/out"
    printf '%s' "$input" >"$work/in"
    while [[ $# -gt 0 && $1 == *=* && $1 != -* ]]; do
        if [[ $1 == STDOUT=* ]]; then
            to=${1#STDOUT=}
        elif [[ $1 == STDIN=* ]]; then
            from=${1#STDIN=}
        else
            settings+=("$1")
        fi
        shift
    done
    env -u DISPLAY -u WAYLAND_DISPLAY LC_ALL=C.UTF-8 "${settings[@]}" \
        timeout 30 "$app" "$@" <"$from" >"$to" 2>"$work/err"
    got_status=$?
    got_out=$(cat "$work/out"; echo x)
    got_out=${got_out%x}
    got_err=$(cat "$work/err"; echo x)
    got_err=${got_err%x}
    if [[ $got_status == "$status" && $got_out == "$out" && $got_err == "$err" ]]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        printf 'FAIL %s: status %s (wanted %s)\n--- standard output:\n%s--- standard error:\n%s' \
            "$name" "$got_status" "$status" "$got_out" "$got_err" >&2
    fi
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

#     name                status stdin  stdout  stderr  arguments
check "sides"                  0 ""     "$sides345" "" --sides 3 4 5
check "spaces inside a number" 0 ""     "$sides345" "" --sides "  3" "4 " "5abc"
check "locale's separator"     0 ""     "${sides345//./,}" "" LC_ALL=bg_BG.UTF-8 --sides 3 4 5
check "refused"                1 ""     "" $'Некоректни данни!\n' --sides 1 2 3
check "minus is a number"      1 ""     "" $'Некоректни данни!\n' --sides -1 2 3
check "out of range"           1 ""     "" $'Числата са извън допустимия обхват!\n' --sides 1e200 1e200 1e200
too_long=$'Твърде дълго число: до 200 значещи цифри и до 9 цифри в степенния показател!\n'
check "exponent too long"      1 ""     "" "$too_long" --sides 1e1000000003 1e1000000000 1e1000000000
check "too long, worksheet"    1 $'3 4 5.'"$(printf '%0200d' 1)"$'\n3 4 5\n' \
    $'3 4 5.'"$(printf '%0200d' 1)"$'\n'"${too_long}"$'\n3 4 5\n'"$sides345" $'bisectors: ред 1: '"$too_long" --sides
check "two numbers"            2 ""     "" $'bisectors: нужни са три числа, а са дадени 2\n'"$usage" --sides 1 2
check "unknown option"         2 ""     "" $'bisectors: непозната опция „--cm“\n'"$usage" --sides --cm 3 4 5
check "no kind"                2 ""     "" $'bisectors: липсва видът на данните: --heights, --sides, --medians или --given\n'"$usage" 3 4 5
check "two kinds"              2 ""     "" $'bisectors: видът на данните е зададен два пъти\n'"$usage" --sides --medians 3 4 5
check "version"                0 ""     $'bisectors 1.00\n' "" --version
check "output not written"     2 ""     "" $'bisectors: резултатът не може да бъде записан\n' STDOUT=/dev/full --sides 3 4 5
check "worksheet"              0 $'3 4 5\n\t3\t4  5 \n' \
    $'3 4 5\n'"$medians345"$'\n3 4 5\n'"$medians345" "" --medians
check "worksheet with faults"  2 $'# answer key\n\n 3 4 5\r\n1 2\n1 2 3\n' \
    $'3 4 5\n'"$sides345"$'\n1 2\nнужни са три числа, а са дадени 2\n\n1 2 3\nНекоректни данни!\n' \
    $'bisectors: ред 4: нужни са три числа, а са дадени 2\nbisectors: ред 5: Некоректни данни!\n' --sides
fffd=$'\xef\xbf\xbd' # U+FFFD, for each byte that is not UTF-8
check "bytes not UTF-8 echoed" 2 $'3 4 5\xff\n1\xc0\xaf 2\n' \
    $'3 4 5'"$fffd"$'\n'"$sides345"$'\n1'"$fffd$fffd"$' 2\nнужни са три числа, а са дадени 2\n' \
    $'bisectors: ред 2: нужни са три числа, а са дадени 2\n' --sides
check "input as pasted"        0 $'\xef\xbb\xbf3\xc2\xa04 5\r3 4\t5\x1b[0m\r\n' \
    $'3 4 5\n'"$sides345"$'\n3 4 5'"$fffd"$'[0m\n'"$sides345" "" --sides
check "option not UTF-8"       2 ""     "" $'bisectors: непозната опция „--cm'"$fffd$fffd"$'“\n'"$usage" --sides $'--cm\xe2\x82' 3 4 5
check "separator read"         0 ""     "${sides345//./,}" "" LC_ALL=bg_BG.UTF-8 --sides 3,0 4 5
check "worksheet in Bulgarian" 0 $'3,0 4 5\n' $'3,0 4 5\n'"${sides345//./,}" "" LC_ALL=bg_BG.UTF-8 --sides
check "comma read under C"     0 $'0,3e1 4 5\n' $'0,3e1 4 5\n'"$sides345" "" --sides
check "input not read"         2 ""     "" $'bisectors: входът не може да бъде прочетен\n' STDIN=/ --sides
check "Qt's option as a number" 1 ""    "" $'Некоректни данни!\n' --sides -- -session 4 5
check "exact values"           0 ""     "$sides345"$'Точни стойности:\nS = 6\nYg_a = 4√10/3 ≈ 4.21637021355784\nYg_b = 3√5/2 ≈ 3.35410196624968\nYg_c = 12√2/7 ≈ 2.42436610692531\n' "" --exact --sides 3 4 5
check "exact values, worksheet" 1 $'3 4 5\n0.1 0.2 0.3\n' \
    $'3 4 5\n'"$medians345"$'Точни стойности:\nBC = 2√73/3 ≈ 5.69600249687835\nAC = 4√13/3 ≈ 4.80740170061865\nAB = 10/3 ≈ 3.33333333333333\nS = 8\n\n0.1 0.2 0.3\nНекоректни данни!\n' \
    $'bisectors: ред 2: Некоректни данни!\n' --medians --exact
check "exercises"              0 ""     $'# bisectors --generate 3 --sides --impossible 1 --seed 2026\n25 25 30\n34 21,5 30,5\n4 8 12\n' "" LC_ALL=bg_BG.UTF-8 --sides --generate 3 --impossible 1 --seed 2026
check "too many exercises"     2 ""     "" $'bisectors: невъзможните задачи трябва да са от 0 до 3\n' --sides --generate 3 --impossible 4
check "a sheet's impossible task" 0 $'1 2 3\n' "" "" STDOUT=/dev/null --sides --html --sheet
check "a sheet needs a page"   2 ""     "" $'bisectors: --sheet е лист за печат: само с --html или --docx\n'"$usage" --sides --sheet
# A refused triple is an answer on a key (its block says why), whatever the format.
check "a document's refusal"   0 ""     "" "" STDOUT=/dev/null --sides --docx 1 2 3
check "a key's refusals"       0 $'3 4 5\n1 2 3\n' "" "" STDOUT=/dev/null --sides --html
check "a key's variants"       2 $'# Вариант А\n3 4 5\n# Вариант Б\n5 5 6\n1 2\n' "" \
    $'bisectors: вариант Б, задача 2: нужни са три числа, а са дадени 2\n' STDOUT=/dev/null --sides --html
check "a document's sheet"     0 $'1 2 3\n' "" "" STDOUT=/dev/null --sides --docx --sheet
check "exercises as a document" 0 ""    "" "" STDOUT=/dev/null --sides --generate 3 --impossible 1 --docx
check "a page or a document"   2 ""     "" $'bisectors: --svg, --html и --docx са взаимно изключващи се\n'"$usage" --sides --html --docx
why=$'Решение:\nЗащо данните са некоректни:\n'
check "steps of a refusal"     1 ""     "$why"$'a : b : c = 1/h_a : 1/h_b : 1/h_c = 1/1 : 1/2 : 1/2 = 2/2 : 1/2 : 1/2 = 2 : 1 : 1\n1 + 1 = 2: страните са обратно пропорционални на височините, а за числата 2, 1 и 1 неравенството на триъгълника не е изпълнено; следователно такъв триъгълник не съществува\n' \
    $'Некоректни данни!\n' --steps --heights 1 2 2
check "steps, worksheet"       1 $'0,1 0,2 0,3\n' \
    $'0,1 0,2 0,3\nНекоректни данни!\n'"$why"$'a + b = 0,1 + 0,2 = 0,3 = c: неравенството на триъгълника изисква всяка страна да е по-малка от сбора на другите две; следователно такъв триъгълник не съществува\n' \
    $'bisectors: ред 1: Некоректни данни!\n' LC_ALL=bg_BG.UTF-8 --sides --steps
# A triangle by any three of its elements: every triangle that fits, or why none does.
ssa=$'Два триъгълника, решени точно:\nТриъгълник 1:\na = 1,5\nb = 2\nc = 2,85008479631877\nα = 30°\nβ = 41,8103148957786°\nγ = 108,189685104221°\nh_a = 1,90005653087918\nh_b = 1,42504239815939\nh_c = 1\nm_a = 2,3449928940412\nm_b = 2,04609180466168\nm_c = 1,04606604162842\nl_a = 2,27045144775005\nl_b = 1,83615071573362\nl_c = 1,00533474824599\nr = 0,448826257874699\nR = 1,5\nS = 1,42504239815939\nP = 6,35008479631877\nтъпоъгълен, разностранен\nТриъгълник 2:\na = 1,5\nb = 2\nc = 0,614016818818982\nα = 30°\nβ = 138,189685104221°\nγ = 11,8103148957786°\nh_a = 0,409344545879322\nh_b = 0,307008409409491\nh_c = 1\nm_a = 1,27515031541238\nm_b = 0,5599181430319\nm_c = 1,74090374132284\nl_a = 0,907560653478996\nl_b = 0,310917248855021\nl_c = 1,70518896046976\nr = 0,149249953478617\nR = 1,5\nS = 0,307008409409491\nP = 4,11401681881898\nтъпоъгълен, разностранен\n'
check "given: two triangles"   0 ""     "$ssa" "" LC_ALL=bg_BG.UTF-8 --given a=1,5 b=2 alpha=30
check "given: none"            1 ""     "" $'Некоректни данни!\nsin β би излязъл по-голям от 1 (от a и b), а синусът на ъгъл е най-много 1.\n' --given a=0.9 b=2 alpha=30
check "given: exact"           0 ""     "" "" STDOUT=/dev/null --given --exact a=5 "b =" 7 gamma=60
check "given: infinitely many" 0 ""     $'Безброй много триъгълника.\nЪглите определят формата, но не и размера: пасва всеки подобен триъгълник.\n' "" --given α=50 β=60 γ=70
check "given: not three"       2 ""     "" $'bisectors: нужни са три елемента, дадени са 2\n' --given a=1 b=2
check "given: no figure"       1 ""     "" $'bisectors: Некоректни данни! sin β би излязъл по-голям от 1 (от a и b), а синусът на ъгъл е най-много 1.\n' --given --svg a=0.9 b=2 alpha=30
check "given: figures of lines" 2 ""    "" $'bisectors: --svg с --given чертае една тройка: нужни са три елемента\n'"$usage" --given --svg
check "given with a kind"      2 ""     "" $'bisectors: --given е вместо --heights, --sides и --medians\n'"$usage" --given --sides a=1 b=1 c=1
given_lines=$'# the exercises\na=3 b=4 c=5\n\nalpha=20 beta=160 c=1\nS=1\n'
check "given: worksheet"       2 "$given_lines" \
    $'a=3 b=4 c=5\nЕдин триъгълник, решен точно:\na = 3\nb = 4\nc = 5\nα = 36.869897645844°\nβ = 53.130102354156°\nγ = 90°\nh_a = 4\nh_b = 3\nh_c = 2.4\nm_a = 4.27200187265877\nm_b = 3.60555127546399\nm_c = 2.5\nl_a = 4.21637021355784\nl_b = 3.35410196624968\nl_c = 2.42436610692531\nr = 1\nR = 2.5\nS = 6\nP = 12\nправоъгълен, разностранен\n\nalpha=20 beta=160 c=1\nНекоректни данни!\nСборът на ъглите α и β е поне 180°.\n\nS=1\nнужни са три елемента, дадени са 1\n' \
    $'bisectors: ред 4: Некоректни данни! Сборът на ъглите α и β е поне 180°.\nbisectors: ред 5: нужни са три елемента, дадени са 1\n' --given
# The usage the program prints names every option that its help describes, and so do the
# manual pages' synopses.
options=$(env LC_ALL=C.UTF-8 "$app" --help | grep -oE '^  (-h, )?--[a-z]+' | grep -oE -- '-h|--[a-z]+')
printed=$(env LC_ALL=C.UTF-8 "$app" --no-such-option 2>&1 >/dev/null | tail -n +2)
here=$(dirname "$0")
for option in $options; do
    for where in usage "$here/../../packaging/bisectors.1.in" "$here/../../packaging/bisectors.bg.1.in"; do
        if [[ $where == usage ]]; then text=$printed; else text=$(awk '/^\.SH/ { n++ } n == 2' "$where" | sed 's/\\-/-/g'); fi
        if grep -qw -- "$option" <<<"$text"; then
            passed=$((passed + 1))
        else
            failed=$((failed + 1))
            echo "FAIL: $option is not in the synopsis of $where" >&2
        fi
    done
done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
