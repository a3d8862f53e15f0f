#!/usr/bin/env bash
# Installs what is missing, builds Hearthstead and runs the whole test suite headless, first in
# Release, then once more under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)

"$here/scripts/setup.sh" build -DCMAKE_BUILD_TYPE=Release
(cd "$here/build" && ctest --output-on-failure --parallel "$jobs")

if [ "${HEARTHSTEAD_SKIP_SANITIZE:-0}" != 1 ]; then
    "$here/scripts/setup.sh" build-asan -DCMAKE_BUILD_TYPE=Debug -DHEARTHSTEAD_SANITIZE=ON \
        -DHEARTHSTEAD_BENCH=OFF -DCMAKE_CXX_FLAGS_DEBUG=-O1
    (cd "$here/build-asan" && ctest --output-on-failure --parallel "$jobs")
fi
