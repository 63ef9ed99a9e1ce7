#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those that are missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config locales
  libgtest-dev
  qt6-base-dev libcli11-dev nlohmann-json3-dev libgif-dev libpugixml-dev zlib1g-dev
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  clang libclang-rt-14-dev
  fonts-noto-cjk qt6-translations-l10n
  desktop-file-utils appstream dpkg-dev
  xvfb openbox libxcb1-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
