#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and runs the whole test
# suite. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build=${LUMETRA_BUILD_DIR:-build-test}
# The build settings are the dev preset's (CMakePresets.json); only the folder may differ.
cmake --preset dev -B "$build" "$@"
cmake --build "$build" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j"$(nproc)" --timeout 600
