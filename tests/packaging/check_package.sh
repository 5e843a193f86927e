#!/usr/bin/env bash
# Builds the Debian package from the build tree with cpack and checks what a user's
# system gets from it: the files and their places, the metadata validators, the manual
# pages, lintian, and one version everywhere.
#
#   check_package.sh BUILD_DIR APP_ID VERSION VERSION_PROBE WEB_PAGE
#
# VERSION_PROBE is a library preloaded into the packaged program that prints its
# QCoreApplication::applicationVersion once start-up is done (version_probe.cpp);
# WEB_PAGE is the web edition the build made, which the package must carry.
# pass and fail always succeed, so "test && pass ... || fail ..." is an if-then-else.
# shellcheck disable=SC2015
set -uo pipefail

build=$1 app_id=$2 version=$3 probe=$4 web_page=$5
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
pass() { echo "ok:   $*"; }
# expect DESCRIPTION ACTUAL WANTED
expect() {
    if [ "$2" = "$3" ]; then pass "$1 is '$3'"; else fail "$1 is '$2', wanted '$3'"; fi
}

# --- the package --------------------------------------------------------------------
if ! cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    echo "FAIL: cpack could not build the package"
    exit 1
fi
arch=$(dpkg --print-architecture)
deb=$work/out/bisectors_${version}_${arch}.deb
if [ ! -f "$deb" ]; then
    ls "$work/out"
    echo "FAIL: no package named $(basename "$deb")"
    exit 1
fi
pass "cpack built $(basename "$deb")"
if grep -q -i 'warning' "$work/cpack.log"; then
    fail "cpack warned:"
    sed 's/^/      /' "$work/cpack.log"
fi

field() { dpkg-deb --field "$deb" "$1"; }
expect "Package" "$(field Package)" bisectors
expect "Version" "$(field Version)" "$version"
expect "Architecture" "$(field Architecture)" "$arch"
expect "Section" "$(field Section)" education
[ -n "$(field Maintainer)" ] && pass "Maintainer is set" || fail "no Maintainer"
depends=$(field Depends)
# dpkg-shlibdeps turns the linked libraries into versioned dependencies: the window's Qt,
# and libzip of the documents for Word and Writer (which draw their figures themselves, with
# no cairo).
for lib in libc6 libstdc++6 libqt6core6 libqt6widgets6 libzip4; do
    if [[ ", $depends" == *", $lib (>= "* ]]; then
        pass "Depends has a versioned $lib"
    else
        fail "Depends lacks a versioned $lib: $depends"
    fi
done
# Qt's own Bulgarian translation is data, which no linked library brings in.
[[ "$depends, " == *"qt6-translations-l10n, "* ]] &&
    pass "Depends has qt6-translations-l10n" || fail "Depends lacks qt6-translations-l10n: $depends"
expect "Recommends" "$(field Recommends)" fonts-liberation2
description=$(field Description)
[[ $(head -n1 <<<"$description") =~ [a-z] && $(wc -l <<<"$description") -ge 3 ]] &&
    pass "Description has a summary and a long text" || fail "Description is thin: $description"

# Exactly these files, nothing else that an install rule might have let in.
files=$(dpkg-deb --contents "$deb" | grep -v '^d' | awk '{ print $6 }' | sed 's|^\./||' | sort)
wanted=$(sort <<EOF2
usr/bin/bisectors
usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/bisectors/window.so
usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/bisectors/docx.so
usr/share/applications/$app_id.desktop
usr/share/bisectors/bisectors.html
usr/share/doc/bisectors/changelog.gz
usr/share/doc/bisectors/copyright
usr/share/icons/hicolor/32x32/apps/bisectors.png
usr/share/icons/hicolor/scalable/apps/bisectors.svg
usr/share/lintian/overrides/bisectors
usr/share/man/bg/man1/bisectors.1.gz
usr/share/man/man1/bisectors.1.gz
usr/share/metainfo/$app_id.metainfo.xml
EOF2
)
if [ "$files" = "$wanted" ]; then
    pass "the package holds exactly the program, its window and documents modules, web page, desktop files, documents and manual pages"
else
    fail "unexpected package contents:"
    diff <(echo "$wanted") <(echo "$files") | sed 's/^/      /'
fi

root=$work/root
dpkg-deb --extract "$deb" "$root"
exe=$root/usr/bin/bisectors
desktop=$root/usr/share/applications/$app_id.desktop
metainfo=$root/usr/share/metainfo/$app_id.metainfo.xml
png=$root/usr/share/icons/hicolor/32x32/apps/bisectors.png
svg=$root/usr/share/icons/hicolor/scalable/apps/bisectors.svg

[ -x "$exe" ] && file -b "$exe" | grep -q '^ELF .*executable.*, stripped' &&
    pass "bisectors is a stripped executable" || fail "bisectors: $(file -b "$exe")"
file -b "$png" | grep -q '^PNG image data, 32 x 32,' &&
    pass "the PNG icon is 32 x 32" || fail "PNG icon: $(file -b "$png")"
file -b "$svg" | grep -q 'SVG' && pass "the scalable icon is SVG" || fail "SVG icon: $(file -b "$svg")"
# The web edition as the build made it, readable by every user, as the manual pages and
# the README name it.
page=$root/usr/share/bisectors/bisectors.html
cmp -s "$page" "$web_page" && [ "$(stat -c %a "$page")" = 644 ] &&
    pass "the web page is the built one, mode 644" ||
    fail "the packaged web page differs from $web_page or is not mode 644: $(stat -c %a "$page")"
# Each document that names it, as often as it has parts (the README's Bulgarian and English).
for named in README.md:2 packaging/bisectors.1.in:1 packaging/bisectors.bg.1.in:1; do
    document=${named%:*} times=${named#*:}
    [ "$(grep -c '/usr/share/bisectors/bisectors\.html' "$(dirname "$0")/../../$document")" -ge "$times" ] &&
        pass "$document names the web page's place" ||
        fail "$document does not name /usr/share/bisectors/bisectors.html in each part"
done

# The committed PNG must still be what the SVG draws (packaging/render-icon makes it).
if command -v rsvg-convert >/dev/null && command -v compare >/dev/null; then
    rsvg-convert --width 32 --height 32 --format png --output "$work/fresh.png" "$svg"
    differing=$(compare -metric AE -fuzz 3% "$png" "$work/fresh.png" null: 2>&1)
    [ "$differing" = 0 ] && pass "the PNG icon matches the SVG" ||
        fail "the PNG icon differs from the SVG in $differing pixels: run packaging/render-icon"
else
    fail "rsvg-convert or compare missing (scripts/install-deps installs them)"
fi

# The program's own idea of its version, from the packaged (stripped) executable.
# The offscreen platform needs no X server.
probed=$(LD_PRELOAD=$probe QT_QPA_PLATFORM=offscreen timeout 30 "$exe" 2>"$work/probe.log")
[ -s "$work/probe.log" ] && sed 's/^/      /' "$work/probe.log"
expect "applicationVersion of the packaged program" "$probed" "$version"
# The documents' module, found beside the window's from the packaged program: a zip
# archive (PK) of a Word document.
docx=$(timeout 30 "$exe" --sides --docx 3 4 5 2>&1 | head -c 2)
expect "the start of the packaged program's --docx" "$docx" PK

# --- desktop entry ------------------------------------------------------------------
out=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$out" ] &&
    pass "desktop-file-validate accepts the desktop entry" || fail "desktop-file-validate: $out"
key() { sed -n "s/^$1=//p" "$desktop"; }
expect "Exec" "$(key Exec)" bisectors
expect "Icon" "$(key Icon)" bisectors
expect "Categories" "$(key Categories)" "Education;Math;"
for k in Name Comment; do
    # Unlocalised text is what the program shows: Bulgarian, in Cyrillic.
    LC_ALL=C.UTF-8 grep -qP "^$k=.*[\x{0410}-\x{044F}]" "$desktop" &&
        pass "$k is Bulgarian" || fail "$k is not in Cyrillic: $(key "$k")"
    grep -q "^$k\[en\]=[A-Za-z]" "$desktop" && pass "$k has an English translation" ||
        fail "${k}[en] missing"
done
# Version= is the version of the desktop entry format; the program's own version has
# no standard key, so it goes in an X- key.
expect "desktop entry X-Bisectors-Version" "$(key X-Bisectors-Version)" "$version"

# --- AppStream metainfo -------------------------------------------------------------
out=$(appstreamcli validate --no-net "$metainfo" 2>&1) &&
    pass "appstreamcli validate accepts the metainfo" || fail "appstreamcli validate: $out"
# validate-tree also reads the installed desktop entry and icons against the metainfo.
out=$(appstreamcli validate-tree --no-net "$root" 2>&1) &&
    pass "appstreamcli validate-tree accepts the installed tree" ||
    fail "appstreamcli validate-tree: $out"
tag() { grep -o "<$1[^>]*>[^<]*</$1>" "$metainfo" | sed 's/<[^>]*>//g'; }
expect "metainfo id" "$(tag id)" "$app_id"
expect "metainfo launchable" "$(tag launchable)" "$app_id.desktop"
expect "metainfo binary" "$(tag binary)" bisectors
grep -q '<content_rating type="oars-1\.[01]"' "$metainfo" && pass "metainfo has a content rating" ||
    fail "metainfo has no OARS content rating"
for t in name summary; do
    [ "$(grep -c "<$t>" "$metainfo")" = 1 ] && [ "$(grep -c "<$t xml:lang=\"en\">" "$metainfo")" = 1 ] &&
        pass "metainfo $t in Bulgarian and English" || fail "metainfo $t lacks a language"
done
newest=$(grep -o '<release [^>]*version="[^"]*"' "$metainfo" | head -n1 | sed 's/.*version="//;s/"$//')
expect "newest metainfo release" "$newest" "$version"

# --- Debian's documents --------------------------------------------------------------
doc=$root/usr/share/doc/bisectors
zcat "$doc/changelog.gz" >"$work/changelog"
expect "changelog version" "$(dpkg-parsechangelog -l "$work/changelog" -S Version)" "$version"
# The copyright file quotes the licence of the sources, LICENSE, from its permission
# notice on (DEP-5 indents each line by a space and writes a blank line as " .").
licence=$(dirname "$0")/../../LICENSE
awk 'quoting { print } /^License: Expat$/ && previous == "" { quoting = 1 } { previous = $0 }' \
    "$doc/copyright" | sed 's/^ //; s/^\.$//' >"$work/quoted"
sed -n '/^Permission/,$p' "$licence" | diff -q - "$work/quoted" >/dev/null &&
    pass "the copyright file quotes LICENSE" || fail "the copyright file's licence text differs from LICENSE"

# --- manual pages -------------------------------------------------------------------
# man-db finds the pages in the extracted tree as in an installed one. --warnings
# passes groff's complaints on, as lintian has them checked. Without a language of
# its own, man uses the locale's, which must exist: a Bulgarian one is compiled here.
mkdir "$work/locale"
localedef -i bg_BG -f UTF-8 "$work/locale/bg_BG.UTF-8" 2>"$work/localedef.log" ||
    fail "localedef could not compile bg_BG.UTF-8: $(cat "$work/localedef.log")"
# check_man DESCRIPTION NAME "VARIABLE=VALUE..." [MAN_OPTION...]: the page shows the
# NAME line "bisectors - NAME...", the version in its footer, and no warning.
check_man() {
    local what=$1 name=$2 environment page
    read -ra environment <<<"$3"
    shift 3
    page=$(env -u LANGUAGE -u LC_ALL -u LANG -u MANOPT MANPATH="$root/usr/share/man" \
        MANWIDTH=200 "${environment[@]}" man --warnings "$@" -P cat bisectors 2>"$work/man.err")
    if [ -s "$work/man.err" ]; then
        fail "$what warns:"
        sed 's/^/      /' "$work/man.err"
    elif ! grep -qF "bisectors - $name" <<<"$page"; then
        fail "$what does not show the page '$name':"
        head -n 5 <<<"$page" | sed 's/^/      /'
    elif ! grep -q "^bisectors $version " <<<"$page"; then
        fail "$what: the page's footer does not name version $version"
    else
        pass "$what shows '$name'"
    fi
}
check_man "man bisectors" "angle bisectors of a triangle" "LC_ALL=C.UTF-8"
check_man "man -L bg bisectors" "ъглополовящите на триъгълник" "LC_ALL=C.UTF-8" -L bg
check_man "man bisectors under bg_BG.UTF-8" "ъглополовящите на триъгълник" \
    "LOCPATH=$work/locale LANG=bg_BG.UTF-8"

# --- lintian ------------------------------------------------------------------------
# Debian's package checker with every tag shown. An error or a warning fails; what is
# accepted is overridden in packaging/lintian-overrides, each with its reason.
lintian --pedantic --display-info --display-experimental --tag-display-limit 0 \
    --fail-on error,warning "$deb" >"$work/lintian.log" 2>"$work/lintian.err"
status=$?
# As root (CI) it says that it would rather not be; nothing else may be on stderr.
grep -v '^running with root privileges' "$work/lintian.err" >>"$work/lintian.log"
if [ "$status" -ne 0 ] || grep -q '^[EW]: ' "$work/lintian.log"; then
    fail "lintian --pedantic reports errors or warnings (status $status):"
    sed 's/^/      /' "$work/lintian.log"
else
    pass "lintian --pedantic: no errors, no warnings"
    [ -s "$work/lintian.log" ] && sed 's/^/      note: /' "$work/lintian.log"
fi

echo
if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "all package checks passed"
