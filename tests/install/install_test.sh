#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop needs from it: both
# programs in bin/, a valid desktop entry, icon, file type package and metainfo, file types
# recognised by name and by content, and the installed command line program working.
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
share/icons/hicolor/scalable/apps/$id.svg
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

[ "$failures" -eq 0 ] || exit 1
echo "installed tree, desktop entry, icon, file types and metainfo are in order"
