#!/usr/bin/env bash
# Installs what Hearthstead needs to build (Debian 12 packages), then builds it.
# Usage: scripts/setup.sh BUILD_DIR [extra cmake arguments...]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:?build directory}
shift

packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools libsqlite3-dev
          libbenchmark-dev xvfb xauth imagemagick fonts-dejavu-core
          desktop-file-utils appstream poppler-utils)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
fi

cmake -S "$here" -B "$here/$build" -G Ninja "$@"
cmake --build "$here/$build" --parallel "$(nproc)"
