#!/usr/bin/env bash
# Builds the Debian package, checks it with lintian, installs it with apt, starts the installed
# program once under xvfb with a fresh HOME, checks the data folder was seeded, then removes the
# package and checks nothing of it is left in /usr. Needs root (or sudo) and apt.
# Usage: packaging/check-deb.sh [BUILD_DIR [extra cmake arguments...]]
#        (BUILD_DIR defaults to build-deb, configured in Release for /usr)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build-deb}
shift || true
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)

step() { printf '\n== %s\n' "$*"; }

step "Building the package"
"$here/scripts/setup.sh" "$build" -DCMAKE_BUILD_TYPE=Release -DHEARTHSTEAD_BENCH=OFF \
    -DCMAKE_INSTALL_PREFIX=/usr "$@" >/dev/null
(cd "$here/$build" && cpack -G DEB >/dev/null)
deb=$(ls -t "$here/$build"/hearthstead_*.deb | head -n1)
echo "$deb"
dpkg-deb --field "$deb"

step "lintian"
if ! command -v lintian >/dev/null; then
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq lintian >/dev/null
fi
report=$(lintian --tag-display-limit 0 "$deb" 2>/dev/null || true)
echo "${report:-lintian: nothing to report}"
if grep -q '^E:' <<<"$report"; then echo "lintian reports errors"; exit 1; fi

step "Installing with apt"
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "$deb" >/dev/null
dpkg -L hearthstead | grep -E '^/usr/(bin|share/(applications|metainfo|hearthstead))/'
hearthstead --version

step "First start with a fresh HOME"
fresh=$(mktemp -d)
env -i PATH=/usr/bin:/bin HOME="$fresh" xvfb-run -a timeout 10 hearthstead || true
if [ -s "$fresh/.local/share/hearthstead/HOMEDATA.DAT" ]; then
    echo "seeded: $fresh/.local/share/hearthstead/HOMEDATA.DAT"
else
    echo "the data folder was not seeded"; exit 1
fi
rm -rf "$fresh"

step "Removing the package"
files=$(dpkg -L hearthstead | grep '^/usr/' | sort -r)
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get purge -y -qq hearthstead >/dev/null
left=0
for f in $files; do
    if [ -f "$f" ] || [ -L "$f" ]; then echo "left behind: $f"; left=1; fi
done
[ "$left" -eq 0 ] && echo "nothing of hearthstead is left in /usr"
exit "$left"
