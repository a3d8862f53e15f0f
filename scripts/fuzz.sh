#!/usr/bin/env bash
# Runs the fuzz targets for a while each: scripts/fuzz.sh [seconds] [target...]
# (default: 600 seconds, every target). Without HEARTHSTEAD_FUZZ_BIN it builds them first with
# clang in build-fuzz. Each run starts from the seed corpus in fuzz/corpus/<name> and grows a
# working corpus in HEARTHSTEAD_FUZZ_WORK (default build-fuzz/work), so the repository stays as it is.
# A finding is left as crash-*/leak-*/timeout-* in the working folder and fails the run.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-600}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(fuzz_hive fuzz_recordset fuzz_devicepath)

bin=${HEARTHSTEAD_FUZZ_BIN:-}
if [ -z "$bin" ]; then
    cmake -S "$here" -B "$here/build-fuzz" -G Ninja -DHEARTHSTEAD_FUZZ=ON -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_CXX_COMPILER=clang++ >/dev/null
    cmake --build "$here/build-fuzz" $(printf -- '--target %s ' "${targets[@]}")
    bin=$here/build-fuzz/bin
fi
work=${HEARTHSTEAD_FUZZ_WORK:-$here/build-fuzz/work}

for target in "${targets[@]}"; do
    name=${target#fuzz_}
    mkdir -p "$work/$name/corpus"
    (cd "$work/$name" &&
        "$bin/$target" -max_total_time="$seconds" -print_final_stats=1 -max_len=4096 \
            corpus "$here/fuzz/corpus/$name")
done
