#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop needs from it: both
# programs in bin/, a valid desktop entry, icon, file type package and metainfo, file types
# recognised by name and by content, the installed command line program working, and the
# installed viewer answering --help and --version without a display and loading a file it is
# started with.
#   install_test.sh BUILD_DIR SAMPLES_DIR
set -euo pipefail
build=$1
samples=$2
id=org.lumetra.Lumetra
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

cmake --install "$build" --prefix "$prefix" >/dev/null

expected="bin/lumetra
bin/lumetra-cli
share/applications/$id.desktop
share/bash-completion/completions/lumetra-cli
share/doc/lumetra/changelog.gz
share/doc/lumetra/copyright
share/icons/hicolor/scalable/apps/$id.svg
share/man/man1/lumetra-cli.1.gz
share/man/man1/lumetra.1.gz
share/metainfo/$id.metainfo.xml
share/mime/packages/$id.xml"
actual=$(cd "$prefix" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
[ "$actual" = "$expected" ] || fail "installed tree differs:"$'\n'"$actual"
for program in lumetra lumetra-cli; do
  [ -x "$prefix/bin/$program" ] || fail "$program is not executable"
done

desktop=$prefix/share/applications/$id.desktop
report=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop entry: $report"
[ -z "$report" ] || fail "desktop entry: $report"
grep -qx "Exec=lumetra %f" "$desktop" || fail "desktop entry does not start lumetra with a file"
grep -qx "Icon=$id" "$desktop" || fail "desktop entry names another icon"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >"$work/appstream" 2>&1 ||
  fail "metainfo: $(cat "$work/appstream")"
xmllint --noout "$prefix/share/icons/hicolor/scalable/apps/$id.svg" || fail "icon is not well-formed"

# A database built from the package alone, consulted before the system's.
export XDG_DATA_DIRS="$prefix/share:/usr/share"
report=$(update-mime-database "$prefix/share/mime" 2>&1) || fail "file types: $report"
[ -z "$report" ] || fail "file types: $report"
files=$work/files
mkdir -p "$files"
cp "$samples/lm1991_bollard_crlf.ies" "$files/UPPER.IES"
cp "$samples/lm1991_bollard_crlf.ies" "$files/iesna-without-extension"
cp "$samples/lm1986_fluorescent_quadrant_crlf.ies" "$files/lm1986-without-extension"
printf '1\n2\n' >"$files/catalogue.ldt"
printf 'TILT is not a photometric file\n' >"$files/notes"
while read -r name type; do
  found=$(gio info -a standard::content-type "$files/$name" |
    sed -n 's/.*standard::content-type: //p')
  [ "$found" = "$type" ] || fail "$name is $found, not $type"
done <<LIST
UPPER.IES application/x-iesna
iesna-without-extension application/x-iesna
lm1986-without-extension application/x-iesna
catalogue.ldt application/x-eulumdat
notes text/plain
LIST

"$prefix/bin/lumetra-cli" info "$samples/lm1991_bollard_crlf.ies" >"$work/info.json" ||
  fail "installed lumetra-cli info failed"
[ "$(head -c 1 "$work/info.json")" = "{" ] || fail "installed lumetra-cli info printed no JSON"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
headless() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/lumetra" "$@"; }
[ "$(headless --version)" = "Lumetra $version" ] || fail "lumetra --version: $(headless --version)"
headless --help | grep -q "Usage: .*lumetra \[options\] \[FILE | FOLDER\]" || fail "lumetra --help"

# The manual pages are the programs' own help: every option the help names is in the page.
for program in lumetra lumetra-cli; do
  page=$(zcat "$prefix/share/man/man1/$program.1.gz" | sed 's/\\-/-/g')
  for option in $(env -u DISPLAY QT_QPA_PLATFORM=offscreen "$prefix/bin/$program" --help |
    grep -o -- '--[a-z][a-z-]*' | sort -u); do
    grep -q -- "$option" <<<"$page" || fail "$program.1 lacks $option"
  done
done

# The completion offers every subcommand and, after one, its options and photometric files.
complete_words() {
  (cd "$files" && bash -c 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1))
    _lumetra_cli; printf "%s\n" "${COMPREPLY[@]}"' _ \
    "$prefix/share/bash-completion/completions/lumetra-cli" lumetra-cli "$@" | LC_ALL=C sort |
    tr '\n' ' ')
}
for command in $("$prefix/bin/lumetra-cli" --help | sed -n 's/^  \([a-z][a-z-]*\).*/\1/p'); do
  grep -qw "$command" <<<"$(complete_words '')" || fail "completion lacks $command"
done
[ "$(complete_words gonio --p)" = "--plane " ] || fail "completion of gonio --p: $(complete_words gonio --p)"
[ "$(complete_words summary '')" = "UPPER.IES catalogue.ldt " ] ||
  fail "completion of summary FILE: $(complete_words summary '')"

# Started with a file on a virtual screen, the viewer draws that file's curves in pure red, which
# only a loaded file brings: the file was found, selected and loaded.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
trap 'kill ${viewer:-} "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 50); do [ -s "$work/display" ] && break || sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
mkdir "$work/lamps" && cp "$samples/lm1991_bollard_crlf.ies" "$work/lamps/bollard.ies"
(cd "$work" && QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME=config exec "$prefix/bin/lumetra" \
  lamps/bollard.ies) &
viewer=$!
red() { [ "$(od -An -v -tx1 -w3 "$work/screen.rgb" 2>/dev/null | grep -c '^ ff 00 00$')" != 0 ]; }
for _ in $(seq 40); do
  sleep 0.5
  import -window root -depth 8 "rgb:$work/screen.rgb" 2>/dev/null && red && break || true
done
red || fail "lumetra FILE drew no curves"

[ "$failures" -eq 0 ] || exit 1
echo "installed tree, desktop entry, icon, file types, metainfo and viewer start are in order"
