#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build -j "$(nproc)"

if [ -x build/bin/mizaro ]; then
  if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found. To run without one: sudo apt-get install xvfb && xvfb-run build/bin/mizaro"
    exit 1
  fi
  exec build/bin/mizaro
fi
echo "The desktop program is not built yet; the command-line companion is ready:"
echo "  echo 123m456p789s1122z | build/bin/mizaro-cli shanten"
