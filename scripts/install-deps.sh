#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running, testing and packaging Lumetra need.
set -euo pipefail
packages=(cmake g++ clang libclang-rt-14-dev qt6-base-dev qt6-svg-dev libgtest-dev libgmock-dev
  libbenchmark-dev nlohmann-json3-dev libuchardet-dev pkg-config xvfb xauth libxcb1-dev fonts-liberation
  fonts-dejavu-core desktop-file-utils appstream shared-mime-info libglib2.0-bin libxml2-utils
  dpkg-dev file clang-format clang-tidy poppler-utils imagemagick help2man lintian)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
