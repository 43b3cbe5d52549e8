#!/usr/bin/env bash
# Installs the Debian packages that the build, the program and the tests need.
# Only what is missing is installed; run as root on Debian 12.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev qt6-l10n-tools qt6-tools-dev
  libgtest-dev libbenchmark-dev
  clang libclang-rt-14-dev
  fonts-liberation fonts-dejavu-core qt6-translations-l10n hamradio-files
  xvfb xauth dbus-x11 at-spi2-core python3-pyatspi
  dpkg-dev desktop-file-utils appstream
  libcups2-dev cups cups-bsd cups-client printer-driver-cups-pdf poppler-utils
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages: ${missing[*]}" >&2
  echo "Run this script as root (or install them with sudo apt-get install)." >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
