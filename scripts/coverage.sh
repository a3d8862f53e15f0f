#!/usr/bin/env bash
# Builds Hearthstead with gcc's line coverage in build-coverage, runs the test suite, then prints the
# line coverage of src/ per file and in total, and the size of the tests against the program.
# Usage: scripts/coverage.sh [ctest arguments...]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build="$here/build-coverage"

if ! command -v gcovr >/dev/null; then
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq gcovr
fi
"$here/scripts/setup.sh" build-coverage -DCMAKE_BUILD_TYPE=Debug -DHEARTHSTEAD_COVERAGE=ON \
    -DHEARTHSTEAD_BENCH=OFF
find "$build" -name '*.gcda' -delete
(cd "$build" && ctest --parallel "$(nproc)" "$@") || true

gcovr --root "$here" --object-directory "$build" --filter "$here/src/" \
    --exclude '.*_autogen/.*' --exclude "$here/src/res/makedb.cpp" --txt --sort-percentage

# Non-blank lines of C++ in tests/ against src/.
count() { find "$here/$1" -name '*.cpp' -o -name '*.h' | xargs cat | grep -cv '^[[:space:]]*$'; }
src_lines=$(count src)
test_lines=$(count tests)
echo "Lines of C++ (non-blank): src ${src_lines}, tests ${test_lines}," \
    "ratio $(awk -v t="$test_lines" -v s="$src_lines" 'BEGIN { printf "%.0f%%", 100 * t / s }')"
