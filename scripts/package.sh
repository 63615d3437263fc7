#!/usr/bin/env bash
# Builds the Debian package lumetra_<version>_amd64.deb in build-package/ from a Release build;
# its library dependencies are worked out from the binaries. Install it with
#   sudo apt-get install ./build-package/lumetra_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build=${LUMETRA_PACKAGE_BUILD_DIR:-build-package}
# Only what the package installs is built; installing must not wait for the tests.
cmake --preset release -B "$build" \
  -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target lumetra lumetra-cli lumetra_manual \
  lumetra-cli_manual lumetra_changelog lumetra_cli_completion
(cd "$build" && cpack -G DEB)
ls -l "$build"/lumetra_*.deb
