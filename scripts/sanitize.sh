#!/usr/bin/env bash
# Builds Lumetra and its tests with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-asan and runs the whole test suite there. A sanitizer report halts the test program
# that met it, so ctest fails; the script exits non-zero on any failure. Uses clang when it is
# installed, gcc otherwise.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

build=${LUMETRA_ASAN_BUILD_DIR:-build-asan}
if [ ! -f "$build/CMakeCache.txt" ]; then
  compilers=()
  if command -v clang++ >/dev/null; then
    compilers=(-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++)
  fi
  cmake -S . -B "$build" "${compilers[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DLUMETRA_SANITIZE=ON -DLUMETRA_WERROR=ON -DLUMETRA_BENCH=OFF >/dev/null
fi
cmake --build "$build" -j"$(nproc)"

export QT_QPA_PLATFORM=offscreen
asan="halt_on_error=1:detect_leaks=1:check_initialization_order=1"
export ASAN_OPTIONS="$asan${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
ctest --test-dir "$build" --output-on-failure -j"$(nproc)" --timeout 900
