#!/usr/bin/env bash
# Installs what is missing, builds Lumetra and starts the viewer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DLUMETRA_BENCH=OFF >/dev/null
cmake --build build --target lumetra -j"$(nproc)"
exec build/src/app/lumetra
