#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running, testing and packaging Lumetra need.
set -euo pipefail
packages=(cmake g++ clang libclang-rt-14-dev qt6-base-dev qt6-svg-dev libgtest-dev libgmock-dev
  libbenchmark-dev nlohmann-json3-dev libuchardet-dev pkg-config xvfb xauth libxcb1-dev fonts-liberation
  fonts-dejavu-core desktop-file-utils appstream shared-mime-info libglib2.0-bin libxml2-utils
  dpkg-dev file clang-format clang-tidy poppler-utils imagemagick help2man lintian
  qt6-l10n-tools qt6-tools-dev qt6-tools-dev-tools qt6-translations-l10n locales fonts-noto-cjk
  ccache)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The locales the translated windows and the decimal-comma tests run in.
wanted_locales=(en_US de_DE fr_FR es_ES zh_CN)
missing_locales=()
for l in "${wanted_locales[@]}"; do
  locale -a 2>/dev/null | grep -qix "$l\.utf-\?8" || missing_locales+=("$l")
done
if [ ${#missing_locales[@]} -gt 0 ]; then
  for l in "${missing_locales[@]}"; do
    $sudo sed -i "s/^# *\($l\.UTF-8 UTF-8\)/\1/" /etc/locale.gen
  done
  $sudo locale-gen >/dev/null
fi
