#!/usr/bin/env bash
# Runs clang-tidy (.clang-tidy: bugprone, performance, function size) on every source file of
# src/, with the compile commands of a build folder (default build-test, as scripts/test.sh
# leaves it). Exits non-zero on any finding.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-${LUMETRA_BUILD_DIR:-build-test}}
if [ ! -f "$build/compile_commands.json" ]; then
  echo "tidy.sh: no $build/compile_commands.json; build first (scripts/test.sh)" >&2
  exit 2
fi
mapfile -t files < <(git ls-files 'src/*.cpp')
run-clang-tidy -quiet -p "$build" -j "$(nproc)" "${files[@]/#/$PWD/}" >"$build/tidy.log" 2>&1 || {
  grep -E "(warning|error): " "$build/tidy.log" | sort -u >&2
  exit 1
}
