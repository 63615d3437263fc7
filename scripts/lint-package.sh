#!/usr/bin/env bash
# Builds the Debian package and checks it with lintian: any error or warning fails.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/package.sh
build=${LUMETRA_PACKAGE_BUILD_DIR:-build-package}
lintian --fail-on error,warning --no-tag-display-limit "$build"/lumetra_*.deb
echo "lintian: no errors, no warnings"
