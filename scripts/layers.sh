#!/usr/bin/env bash
# Checks each src/ folder's includes against the layer graph: a folder includes only from the
# folders listed for it, and the core folders (those marked "core") include no Qt header. A new
# folder adds its row here; a folder without a row fails the check, so no layer goes unchecked.
set -euo pipefail
cd "$(dirname "$0")/.."

# folder     kind   folders it may include from ("core": every core folder but viewer)
read -r -d '' LAYERS <<'TABLE' || true
data         core
batch        core
language     core
contours     core   data
eulumdat     core   data
gonio        core   data
render       core   data
summary      core   data
properties   core   data eulumdat summary
compare      core   data eulumdat properties summary
catalogue    core   data eulumdat properties summary batch compliance
compliance   core   data eulumdat properties summary
illuminance  core   data eulumdat summary contours language
diagrams     core   data eulumdat gonio render summary contours
writing      core   data eulumdat properties summary
viewer       core   data eulumdat gonio render properties summary
translate    qt     core
surface      qt     core
ui           qt     core viewer surface translate
compareui    qt     core surface ui translate
app          qt     core viewer surface ui compareui translate
cli          qt     core surface translate
TABLE

declare -A kind allowed
while read -r folder folderKind uses; do
  [ -n "$folder" ] || continue
  kind[$folder]=$folderKind
  allowed[$folder]=" $uses "
done <<<"$LAYERS"
cores=""
for folder in "${!kind[@]}"; do
  [ "${kind[$folder]}" = core ] && [ "$folder" != viewer ] && cores+=" $folder"
done
for folder in "${!allowed[@]}"; do
  allowed[$folder]=${allowed[$folder]/ core / $cores }
done

failures=0
fail() {
  echo "layers: $*" >&2
  failures=$((failures + 1))
}

for path in src/*/; do
  folder=$(basename "$path")
  if [ -z "${kind[$folder]:-}" ]; then
    fail "src/$folder has no row in scripts/layers.sh"
    continue
  fi
  mapfile -t files < <(find "$path" -maxdepth 1 -name '*.h' -o -maxdepth 1 -name '*.cpp' | sort)
  [ "${#files[@]}" -gt 0 ] || continue
  while IFS=: read -r file line used; do
    [ "$used" = "$folder" ] && continue
    [[ "${allowed[$folder]}" == *" $used "* ]] ||
      fail "$file:$line: $folder may not include from $used"
  done < <(grep -Hn -o '^#include "[a-z_]*/' "${files[@]}" | sed 's/#include "//; s/\/$//' || true)
  if [ "${kind[$folder]}" = core ]; then
    while IFS= read -r hit; do
      fail "$hit: core folder $folder includes Qt"
    done < <(grep -Hn -E '^#include <Q[A-Za-z]*(/|>)' "${files[@]}" || true)
  fi
done

if [ "$failures" -gt 0 ]; then
  echo "layers: $failures include(s) break the layer graph" >&2
  exit 1
fi
echo "layers: every src/ folder keeps to its layer"
