#!/usr/bin/env bash
# Installs what is missing, builds Hearthstead in Release and starts it.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/setup.sh" build -DCMAKE_BUILD_TYPE=Release -DHEARTHSTEAD_BENCH=OFF
# The build's machine registry leads the sync to the build's bridge to the handheld.
export XDG_CONFIG_DIRS="$here/build/xdg:${XDG_CONFIG_DIRS:-/etc/xdg}"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: starting Hearthstead on a virtual one (xvfb-run)."
    exec xvfb-run -a "$here/build/bin/hearthstead" "$@"
fi
exec "$here/build/bin/hearthstead" "$@"
